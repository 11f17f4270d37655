#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One line of a level's arbitrary-objects file: "type, lat, long, width, height".
struct LevelObjectEntry {
    static constexpr int kBlocker = 1;  // an invisible blocker centred on the cell
    static constexpr int kWater = 2;    // the cell becomes water

    int type = 0;
    int lat = 0;
    int lng = 0;
    int width = 0;
    int height = 0;
};

// Reads "data\ArbitraryObjects_WW_LL.txt": '#' lines are comments; every other line must hold
// the five numbers. A missing file holds nothing.
class LevelObjectsFile {
public:
    static constexpr int kMaxLineLength = 2048;

    static std::string PathFor(int worldIndex, int levelIndex);
    // The five numbers of a line, or nothing when the line does not hold them (numbers that do
    // not fit an int count as not held).
    static std::optional<LevelObjectEntry> ParseLine(std::string_view line);
    // Every well-formed entry of the file, in file order. Lines that are neither comments, blank
    // nor well-formed are reported on standard error and skipped.
    static std::vector<LevelObjectEntry> Read(const std::string& path);
};
