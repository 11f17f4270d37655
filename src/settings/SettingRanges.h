#pragma once

#include <span>
#include <string>

// What happens to a settings value outside its range.
enum class OutOfRange {
    // The nearest end of the range is used: the game stays playable with it.
    Clamp,
    // The value shapes the world the pictures are drawn for (grid, areas, tracks); no nearby
    // value would match them, so the game does not start.
    Refuse,
};

// The sensible values of the settings keys matching `pattern` (letter case ignored; `*` stands
// for any run of characters, as in the indexed keys "trackSpeed_00_01").
struct SettingRange {
    const char* pattern;
    double min;
    double max;
    OutOfRange action;
};

class SettingRanges final {
public:
    // The first row whose pattern matches `key`, or nullptr for a key without a range.
    static const SettingRange* Find(const std::string& key);
    // Every row, in the order they are tried.
    static std::span<const SettingRange> All();
    // True when `value` lies inside the row's range (false for NaN).
    static bool Holds(const SettingRange& range, double value);
    // The value moved to the nearest end of the range (NaN to the lower end).
    static double Limit(const SettingRange& range, double value);
    // Pattern matching as Find does it (exposed for tests).
    static bool Matches(const char* pattern, const std::string& key);
};
