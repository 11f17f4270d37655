#pragma once

#include <string>
#include <vector>

// Splits a text at every run of delimiter characters and hands the tokens out in order.
class StringTokenizer final {
public:
    StringTokenizer(const std::string& text, const std::string& delimiters);

    int Count() const { return static_cast<int>(tokens_.size()); }
    int Remaining() const { return Count() - cursor_; }
    void Skip(int n) { cursor_ += n; }

    // Each advances the cursor by one. Past the end: the empty text. A token that is no number
    // leaves `ok` false and gives 0.
    std::string NextToken();
    int NextInt(bool* ok = nullptr);
    float NextFloat(bool* ok = nullptr);

private:
    std::string source_;
    std::vector<std::string> tokens_;
    int cursor_ = 0;
};
