#pragma once

#include <string>
#include <vector>

// One loaded settings text: where it was found and its raw lines (without their newline).
class SettingsFile final {
public:
    // Reads through the data file layer; false when the file cannot be opened.
    bool Load(const std::string& path);

    // The first line whose key matches (letter case ignored), inside `section` when one is given.
    bool FindLine(const std::string& key, const std::string* section, std::string& line) const;

    // Where a player finds the file, for messages: the loose file's path on disk, or the pack it
    // was read from with the entry's name ("…/ReedJumper.dat (config.txt)").
    const std::string& ShownPath() const { return shownPath_; }
    const std::vector<std::string>& Lines() const { return lines_; }

    // Lines are read in pieces of at most this many characters.
    static constexpr int kLineBufferSize = 999;

private:
    // A line's first two words in capitals, taken once at loading: a look-up compares them instead
    // of splitting every line again (the start-up asks for hundreds of keys among 600 lines).
    struct LineWords {
        bool none = true;  // a comment or a line without words
        std::string first;
        bool hasSecond = false;
        std::string second;
    };

    std::string shownPath_;
    std::vector<std::string> lines_;
    std::vector<LineWords> words_;
};
