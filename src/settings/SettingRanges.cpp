#include "settings/SettingRanges.h"

#include <cctype>

namespace {

constexpr OutOfRange kClamp = OutOfRange::Clamp;
constexpr OutOfRange kRefuse = OutOfRange::Refuse;

// Positions in world pixels: the tallest world is a few thousand pixels high.
constexpr double kMaxCoordinate = 100000.0;
// Drawing and collision offsets of a sprite against its object's centre.
constexpr double kMaxOffset = 10000.0;
// Longest wait, animation period or spawn interval in seconds.
constexpr double kMaxSeconds = 600.0;
// Fastest track, insect or scroll in pixels per second: several screens per second.
constexpr double kMaxSpeed = 5000.0;
// Objects of one kind alive at once: beyond this a level start builds and spawns without end.
constexpr double kMaxLiveObjects = 50.0;
constexpr double kMaxPoints = 1000000.0;
constexpr double kMaxCell = 999.0;

// The first matching row wins, so the specific patterns stand before the general ones.
constexpr SettingRange kRanges[] = {
    // The world's layout: the background pictures are drawn for exactly these.
    {"numWorlds", 1, 9, kRefuse},
    {"numAreas", 1, 99, kRefuse},
    {"numVisibleAreas", 1, 20, kRefuse},
    {"numTracksPerArea", 1, 16, kRefuse},
    {"numCellsPerTrack", 1, 8, kRefuse},
    {"numCellsPerGrassStrip", 0, 16, kRefuse},
    {"numCellsStartStrip", 0, 16, kRefuse},
    {"numLatCells", 1, 200, kRefuse},
    {"gridWidthUnits", 1, 20000, kRefuse},
    {"gridHeightUnits", 1, 20000, kRefuse},
    {"areaType*", 0, 2, kRefuse},
    {"numFrogsToGoal", 1, 20, kRefuse},

    // Cells and rows of the grid.
    {"GoalCell*", -1, kMaxCell, kClamp},  // -1: a random free cell
    {"frogStartCell*", 0, kMaxCell, kClamp},
    {"*TriggerCell*", 0, kMaxCell, kClamp},

    // Counts of things alive at once or made at a level start.
    {"MaxNumObjectsPerTrack", 0, kMaxLiveObjects, kClamp},
    {"numInitialInsects", 0, kMaxLiveObjects, kClamp},
    {"minNumInsects", 0, kMaxLiveObjects, kClamp},
    {"maxNumInsects", 0, kMaxLiveObjects, kClamp},
    {"numSpritesIn*TopLayer", 0, kMaxLiveObjects, kClamp},
    {"numFrogLifes", 1, 99, kClamp},
    {"maxNumBonusLifes", 0, 99, kClamp},
    {"numStarsForBonusLife", 1, 1000, kClamp},

    // Times in seconds. The pre-run of a level steps through initInterval in tenths.
    {"initInterval", 0, 120, kClamp},
    {"levelTimeSeconds", 1, 3600, kClamp},
    {"Min*SpawnInterval*", 0.1, kMaxSeconds, kClamp},
    {"Max*SpawnInterval*", 0.1, kMaxSeconds, kClamp},
    {"insectSpawnInterval", 0.1, kMaxSeconds, kClamp},
    {"messageInterval", 0.1, 60, kClamp},
    {"scoreDisplayTime", 0, 60, kClamp},
    {"insectMaxApproachTime", 0.1, kMaxSeconds, kClamp},
    {"waitAfterFrogDeathInterval", 0, kMaxSeconds, kClamp},
    {"waitBeforeScrollUpEndLevel", 0, kMaxSeconds, kClamp},
    {"*Interval", 0.01, kMaxSeconds, kClamp},

    // Speeds.
    {"trackSpeed*", 0, kMaxSpeed, kClamp},
    {"piranhaSpeed", 0, kMaxSpeed, kClamp},
    {"InsectMove*Speed", 0, kMaxSpeed, kClamp},
    {"scrollAccelerationPPS", 1, 100000, kClamp},
    {"scoreCountSpeed", 1, kMaxPoints, kClamp},
    {"scoreScrollSpeed", 0, kMaxSpeed, kClamp},
    {"frogSpeedFactor*", 0.1, 10, kClamp},

    // Chances.
    {"spawnPiranhaChancePerMill", 0, 1000, kClamp},
    {"*PerCent*", 0, 100, kClamp},
    {"relFrequency*", 0, 1000, kClamp},

    // Points.
    {"*Score", -kMaxPoints, kMaxPoints, kClamp},
    {"starScoreBonus", -kMaxPoints, kMaxPoints, kClamp},
    {"scorePerSecLeft", -kMaxPoints, kMaxPoints, kClamp},

    // Sizes, distances and positions in pixels.
    {"*ObjectWidth", 1, 2000, kClamp},
    {"*ObjectHeight", 1, 2000, kClamp},
    {"catchInsectsDistance", 0, 2000, kClamp},
    {"inGoalDistance", 0, 2000, kClamp},
    {"maxPierceDist", 0, kMaxOffset, kClamp},
    {"truckFrontEndNonBlockAreaWidth", 0, 2000, kClamp},
    {"*TopLayerOffset*", -kMaxCoordinate, kMaxCoordinate, kClamp},
    {"frogPosShowDownPix*", -kMaxCoordinate, kMaxCoordinate, kClamp},
    {"*ScrollOffset", 0, kMaxOffset, kClamp},
    {"vertOffsetMessageLine*", -kMaxOffset, kMaxOffset, kClamp},
    {"*Offset*", -kMaxOffset, kMaxOffset, kClamp},

    // Loudness, letters, switches.
    {"inGameSoundThemeVolumedB", -100, 100, kClamp},
    {"smallFontSizeFactor", 0.1, 10, kClamp},
    {"enableSound", 0, 1, kClamp},
    {"direction*", 0, 1, kClamp},
};

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool MatchFrom(const char* pattern, const char* key) {
    for (; *pattern; ++pattern, ++key) {
        if (*pattern == '*') {
            for (const char* rest = key;; ++rest) {
                if (MatchFrom(pattern + 1, rest)) return true;
                if (!*rest) return false;
            }
        }
        if (!*key || !SameLetter(*pattern, *key)) return false;
    }
    return !*key;
}

}  // namespace

bool SettingRanges::Matches(const char* pattern, const std::string& key) { return MatchFrom(pattern, key.c_str()); }

const SettingRange* SettingRanges::Find(const std::string& key) {
    for (const SettingRange& range : kRanges) {
        if (Matches(range.pattern, key)) return &range;
    }
    return nullptr;
}

std::span<const SettingRange> SettingRanges::All() { return kRanges; }

bool SettingRanges::Holds(const SettingRange& range, double value) { return value >= range.min && value <= range.max; }

double SettingRanges::Limit(const SettingRange& range, double value) {
    if (value > range.max) return range.max;
    if (value >= range.min) return value;
    return range.min;  // below the range, or NaN
}
