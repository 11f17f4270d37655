#include "world/LevelObjectsFile.h"

#include <climits>
#include <cstdio>

#include "core/StringUtil.h"
#include "files/File.h"
#include "files/FileLoader.h"

namespace {
constexpr int kFieldCount = 5;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// Reads an optionally signed decimal at pos (after blanks, as %d does); false when there is none
// or it does not fit an int.
bool ReadInt(std::string_view text, size_t& pos, int& value) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    size_t end = pos;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    const size_t digitsStart = end;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    if (end == digitsStart) return false;
    long long number = 0;
    for (size_t i = digitsStart; i < end; ++i) {
        number = number * 10 + (text[i] - '0');
        if (number > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (text[pos] == '-') number = -number;
    if (number < INT_MIN || number > INT_MAX) return false;
    value = static_cast<int>(number);
    pos = end;
    return true;
}

bool IsBlankLine(std::string_view line) {
    for (char c : line) {
        if (!IsBlank(c)) return false;
    }
    return true;
}
}  // namespace

std::string LevelObjectsFile::PathFor(int worldIndex, int levelIndex) {
    return FileLoader::kDataFolder + StringFormat("ArbitraryObjects_%02d_%02d.txt", worldIndex, levelIndex);
}

std::optional<LevelObjectEntry> LevelObjectsFile::ParseLine(std::string_view line) {
    int fields[kFieldCount] = {};
    size_t pos = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        if (i > 0) {
            // The separator is a comma right behind the number; blanks may follow it.
            if (pos >= line.size() || line[pos] != ',') return std::nullopt;
            ++pos;
        }
        if (!ReadInt(line, pos, fields[i])) return std::nullopt;
    }
    return LevelObjectEntry{fields[0], fields[1], fields[2], fields[3], fields[4]};
}

std::vector<LevelObjectEntry> LevelObjectsFile::Read(const std::string& path) {
    std::vector<LevelObjectEntry> entries;
    File file;
    if (!file.Open(path, "r")) return entries;
    char buffer[kMaxLineLength];
    int lineNumber = 0;
    while (file.ReadLine(buffer, kMaxLineLength) != nullptr) {
        ++lineNumber;
        const std::string_view line(buffer);
        if (line.empty() || line[0] == '#' || IsBlankLine(line)) continue;
        if (std::optional<LevelObjectEntry> entry = ParseLine(line)) {
            entries.push_back(*entry);
        } else {
            std::fprintf(stderr,
                         "%s line %d: expected five whole numbers \"type, lat, long, width, height\"; line skipped\n",
                         path.c_str(), lineNumber);
        }
    }
    return entries;
}
