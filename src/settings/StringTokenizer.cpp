#include "settings/StringTokenizer.h"

#include <cstdio>

StringTokenizer::StringTokenizer(const std::string& text, const std::string& delimiters) : source_(text) {
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && delimiters.find(text[i]) != std::string::npos) ++i;
        const size_t start = i;
        while (i < text.size() && delimiters.find(text[i]) == std::string::npos) ++i;
        if (i > start) tokens_.push_back(text.substr(start, i - start));
    }
}

std::string StringTokenizer::NextToken() {
    const int index = cursor_++;
    if (index < 0 || index >= Count()) return {};
    return tokens_[static_cast<size_t>(index)];
}

int StringTokenizer::NextInt(bool* ok) {
    int value = 0;
    // sscanf's %d is undefined on overflow; clamp by reading wide first.
    long long wide = 0;
    const bool parsed = std::sscanf(NextToken().c_str(), "%lld", &wide) == 1;
    if (parsed) {
        if (wide > 2147483647LL) wide = 2147483647LL;
        if (wide < -2147483647LL - 1) wide = -2147483647LL - 1;
        value = static_cast<int>(wide);
    }
    if (ok) *ok = parsed;
    return value;
}

float StringTokenizer::NextFloat(bool* ok) {
    float value = 0.0f;
    const bool parsed = std::sscanf(NextToken().c_str(), "%f", &value) == 1;
    if (ok) *ok = parsed;
    return parsed ? value : 0.0f;
}
