// data/config.txt against what the game reads: every fixed key, every indexed key the game forms
// (areas, lanes, frogs, levels, frog states, animation lengths, top layers), each with a value
// that parses as the type it is read as, and a layout the world code can build.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "files/FileLoader.h"
#include "world/GameSprites.h"

namespace {

using ::testing::IsEmpty;

enum class Type { Int, Float, Bool };

struct KeySpec {
    const char* key;
    Type type;
};

// Keys read under their own name (indexed keys are formed in the tests below).
const KeySpec kFixedKeys[] = {
    // Game flow
    {"waitAfterFrogDeathInterval", Type::Float},
    {"waitBeforeScrollUpEndLevel", Type::Float},
    {"scrollAccelerationPPS", Type::Float},
    {"inGoalDistance", Type::Float},
    {"inGameSoundThemeVolumedB", Type::Float},
    {"enableSound", Type::Bool},
    {"initInterval", Type::Float},
    {"frogPosShowDownPixX", Type::Int},
    {"frogPosShowDownPixY", Type::Int},
    {"numInitialInsects", Type::Int},
    // Scoring and messages
    {"truckToTruckTravelScore", Type::Int},
    {"numStarsForBonusLife", Type::Float},
    {"scoreCountSpeed", Type::Float},
    {"starScore", Type::Int},
    {"voyagerBugScore", Type::Int},
    {"toolBugScore", Type::Int},
    {"newsBugScore", Type::Int},
    {"butterflyScore", Type::Int},
    {"businessBugScore", Type::Int},
    {"piercingScore", Type::Int},
    {"areaDoneScore", Type::Int},
    {"scorePerSecLeft", Type::Int},
    {"messageInterval", Type::Float},
    {"scoreDisplayTime", Type::Int},
    {"scoreScrollSpeed", Type::Int},
    {"vertOffsetMessageLine1", Type::Int},
    {"vertOffsetMessageLine2", Type::Int},
    {"starScoreBonus", Type::Int},
    // World and player
    {"levelTimeSeconds", Type::Float},
    {"maxNumBonusLifes", Type::Int},
    {"numFrogLifes", Type::Int},
    {"numFrogsToGoal", Type::Int},
    {"numCellsPerGrassStrip", Type::Int},
    {"numCellsPerTrack", Type::Int},
    {"numCellsStartStrip", Type::Int},
    {"numTracksPerArea", Type::Int},
    {"numVisibleAreas", Type::Int},
    {"numAreas", Type::Int},
    {"numWorlds", Type::Int},
    {"gridHeightUnits", Type::Int},
    {"gridWidthUnits", Type::Int},
    {"numLatCells", Type::Int},
    {"MaxNumObjectsPerTrack", Type::Float},
    {"UpScrollOffset", Type::Int},
    {"DownScrollOffset", Type::Int},
    {"UpScrollTriggerCellLevelLong01", Type::Int},
    {"UpScrollTriggerCellLevelLong02", Type::Int},
    {"DownScrollTriggerCellLevelLong01", Type::Int},
    {"DownScrollTriggerCellLevelLong02", Type::Int},
    {"numSpritesInTopLayer", Type::Int},
    {"numSpritesInRoadTopLayer", Type::Int},
    {"piranhaSpeed", Type::Float},
    {"spawnPiranhaChancePerMill", Type::Int},
    {"frogDefaultOffsetX", Type::Int},
    {"frogDefaultOffsetY", Type::Int},
    {"catchInsectsDistance", Type::Float},
    {"frogRocketJumpInterval", Type::Float},
    {"explosionOffsetX", Type::Float},
    {"explosionOffsetY", Type::Float},
    {"HammerDownOffsetX", Type::Float},
    {"HammerDownOffsetY", Type::Float},
    // Moving objects
    {"boxOffsetX", Type::Float},
    {"boxOffsetY", Type::Float},
    {"boxKillDrownOffsetX", Type::Float},
    {"boxKillDrownOffsetY", Type::Float},
    {"boxWaitBeforeKillInterval", Type::Float},
    {"hippoOffsetX", Type::Int},
    {"hippoOffsetY", Type::Int},
    {"hippoWaitBeforeDiveInterval", Type::Float},
    {"truckFrontEndNonBlockAreaWidth", Type::Float},
    {"truckGarbageFrogOffsetX", Type::Int},
    {"truckChezFredFrogOffsetX", Type::Int},
    {"truckElectricFrogOffsetX", Type::Int},
    {"truckAquariumFrogOffsetX", Type::Int},
    {"truckCementMixerFrogOffsetX", Type::Int},
    {"truckKillTimerInterval", Type::Float},
    {"truckVerticalOffsetStar", Type::Float},
    {"InsectMoveMaxSpeed", Type::Float},
    {"InsectMoveMinSpeed", Type::Float},
    {"InsectMoveOffsetGlobalX", Type::Int},
    {"InsectMoveOffsetGlobalY", Type::Int},
    {"insectMaxApproachTime", Type::Float},
    {"maxPierceDist", Type::Int},
    {"perCentChancePierce", Type::Float},
    {"perCentChanceToChangeDirHorz", Type::Float},
    {"perCentChanceToChangeDirVert", Type::Float},
    {"shrinkInterval", Type::Float},
    {"insectSpawnChancePerCent", Type::Float},
    {"insectSpawnInterval", Type::Float},
    {"maxNumInsects", Type::Int},
    {"minNumInsects", Type::Int},
    {"relFrequencyBigBug", Type::Int},
    {"relFrequencyBusinessBug", Type::Int},
    {"relFrequencyButterfly", Type::Int},
    {"relFrequencyNewsBug", Type::Int},
    {"relFrequencyTaxiBug", Type::Int},
    {"relFrequencyToolBug", Type::Int},
    {"relFrequencyVoyagerBug", Type::Int},
    // Graphics
    {"smallFontSizeFactor", Type::Float},
};

// Prefixes the objects read their sizes and sprite placement with.
const char* const kExtentPrefixes[] = {"ragTopOpen", "ragTopClosed", "smallCar", "truck",         "trunk", "barrel",
                                       "waterLily",  "hippo",        "box",      "waterLilyGoal", "frog"};
const char* const kOffsetPrefixes[] = {
    "ragtopOpen",       "ragtopClosed", "smallCar", "truckGarbage", "truckChezFred", "truckElectric", "truckAquarium",
    "truckCementMixer", "trunk",        "barrel",   "waterLily",    "box",           "piranha"};
const char* const kShadowPrefixes[] = {"ragtop", "smallCar", "truck"};

// The frog states whose draw offsets have keys of their own.
const char* const kFrogStates[] = {"FS_MOVE_LEFT",
                                   "FS_MOVE_RIGHT",
                                   "FS_MOVE_UP",
                                   "FS_MOVE_DOWN",
                                   "FS_MOVE_DOWN_TRUCK_DOWN",
                                   "FS_MOVE_UP_TRUCK_UP",
                                   "FS_MOVE_UP_TRUCK_DOWN",
                                   "FS_ROCKET_JUMP",
                                   "FS_ROCKET_JUMP_BOARDING",
                                   "FS_CATCH_INSECT",
                                   "FS_PIERCED",
                                   "FS_KNOCKED_OVER",
                                   "FS_DROWN",
                                   "FS_FINISH",
                                   "FS_IN_GOAL",
                                   "FS_KILL_BOX_DROWN",
                                   "FS_KILL_BOX_BOMB",
                                   "FS_KILL_BOX_HAMMER",
                                   "FS_KILL_BOX_RED_BUTTON",
                                   "FS_KILL_PIRANHA"};

constexpr int kLevelsPerWorld = 5;
// One area shift between two levels: the top layers move down by this many units per level.
constexpr int kLevelShiftUnits = 450;
constexpr int kGoalRow = 19;
constexpr int kRiverArea = 2;
constexpr int kFirstPiranhaArea = 4;

class ConfigKeysTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        FileLoader::SetDataRoot(RJ_SOURCE_DIR "/data");
        FileLoader::Instance().Reinitialize();
        SettingsManager::Instance().Clear();
        ASSERT_TRUE(SettingsManager::Instance().Load(std::string(FileLoader::kDataFolder) + "config.txt"));
    }

    static void TearDownTestSuite() {
        SettingsManager::Instance().Clear();
        FileLoader::SetDataRoot(RJ_DATA_DIR);
        FileLoader::Instance().Reinitialize();
    }

    // "" when the key is present with a value of its type, else what is wrong with it.
    static std::string Problem(const std::string& key, Type type) {
        std::string line;
        if (!SettingsManager::Instance().FindLine(key, nullptr, line)) return key + " is missing";
        char name[1000], value[1000];
        if (std::sscanf(line.c_str(), "%999s %999s", name, value) != 2) return key + " has no value";
        int i;
        float f;
        const bool parses = type == Type::Float ? std::sscanf(value, "%f", &f) == 1 : std::sscanf(value, "%d", &i) == 1;
        return parses ? "" : key + " has the value \"" + value + "\", not a number";
    }

    static void Check(std::vector<std::string>& problems, const std::string& key, Type type) {
        const std::string problem = Problem(key, type);
        if (!problem.empty()) problems.push_back(problem);
    }

    static int Int(const std::string& key) { return SettingsManager::Instance().GetInt(key); }
    static float Float(const std::string& key) { return SettingsManager::Instance().GetFloat(key); }

    // The key of a frog state's draw offset: FS_MOVE_UP -> frogmoveup.
    static std::string FrogStateKey(const std::string& state) {
        return "frog" + ToLower(RemoveChars(state, "_")).substr(2);
    }
};

TEST_F(ConfigKeysTest, EveryFixedKeyHasAValueOfItsType) {
    std::vector<std::string> problems;
    for (const KeySpec& spec : kFixedKeys) Check(problems, spec.key, spec.type);
    EXPECT_THAT(problems, IsEmpty());
}

TEST_F(ConfigKeysTest, EveryObjectHasItsExtentOffsetAndShadowKeys) {
    std::vector<std::string> problems;
    for (const char* prefix : kExtentPrefixes) {
        Check(problems, std::string(prefix) + "ObjectWidth", Type::Int);
        Check(problems, std::string(prefix) + "ObjectHeight", Type::Int);
    }
    for (const char* prefix : kOffsetPrefixes) {
        Check(problems, std::string(prefix) + "OffsetX", Type::Int);
        Check(problems, std::string(prefix) + "OffsetY", Type::Int);
    }
    for (const char* prefix : kShadowPrefixes) {
        Check(problems, std::string(prefix) + "ShadowOffsetX", Type::Int);
        Check(problems, std::string(prefix) + "ShadowOffsetY", Type::Int);
    }
    EXPECT_THAT(problems, IsEmpty());
}

TEST_F(ConfigKeysTest, EveryFrogStateHasItsDrawOffset) {
    EXPECT_EQ(FrogStateKey("FS_KILL_BOX_RED_BUTTON"), "frogkillboxredbutton");
    std::vector<std::string> problems;
    for (const char* state : kFrogStates) {
        Check(problems, FrogStateKey(state) + "OffsetX", Type::Int);
        Check(problems, FrogStateKey(state) + "OffsetY", Type::Int);
    }
    EXPECT_THAT(problems, IsEmpty());
}

TEST_F(ConfigKeysTest, EveryAreaAndLaneIsConfigured) {
    std::vector<std::string> problems;
    const int areas = Int("numAreas");
    const int tracks = Int("numTracksPerArea");
    ASSERT_GT(areas, 0);
    ASSERT_GT(tracks, 0);
    for (int a = 0; a < areas; ++a) {
        const std::string type = IndexedKey("areaType", a);
        Check(problems, type, Type::Int);
        if (Problem(type, Type::Int).empty() && (Int(type) < 0 || Int(type) > 2)) {
            problems.push_back(type + " is neither road (0, 1) nor river (2)");
        }
        for (int t = 0; t < tracks; ++t) {
            const std::string lane = StringFormat("_%02d_%02d", a, t);
            Check(problems, "trackSpeed" + lane, Type::Float);
            Check(problems, "direction" + lane, Type::Bool);
            Check(problems, "MinSpawnInterval" + lane, Type::Float);
            Check(problems, "MaxSpawnInterval" + lane, Type::Float);
            // The spawn chance divides by the difference of the two.
            if (Float("MaxSpawnInterval" + lane) <= Float("MinSpawnInterval" + lane)) {
                problems.push_back("MaxSpawnInterval" + lane + " is not above MinSpawnInterval" + lane);
            }
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

TEST_F(ConfigKeysTest, EveryFrogOfALevelHasItsSpeedFactorAndObjectShares) {
    std::vector<std::string> problems;
    const int frogs = Int("numFrogsToGoal");
    ASSERT_GT(frogs, 0);
    for (int f = 0; f < frogs; ++f) Check(problems, IndexedKey("frogSpeedFactor", f), Type::Float);
    for (int a = 0; a < Int("numAreas"); ++a) {
        for (int f = 0; f < frogs; ++f) {
            Check(problems, StringFormat("relFrequTruckPerCent_A%02d_F%02d", a, f), Type::Float);
            Check(problems, StringFormat("relFrequBoxPerCent_A%02d_F%02d", a, f), Type::Float);
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

TEST_F(ConfigKeysTest, EveryLevelHasAStartAndAGoal) {
    std::vector<std::string> problems;
    const int worlds = Int("numWorlds");
    ASSERT_GT(worlds, 0);
    const int columns = Int("numLatCells");
    for (int w = 0; w < worlds; ++w) {
        // Start cells also for the closing scroll after the last level, which puts the frog
        // back on its start cell of "level 5".
        for (int l = 0; l <= kLevelsPerWorld; ++l) {
            const std::string cell = StringFormat("_%02d_%02d", w, l);
            Check(problems, "frogStartCellLat" + cell, Type::Int);
            Check(problems, "frogStartCellLong" + cell, Type::Int);
            if (Int("frogStartCellLat" + cell) < 0 || Int("frogStartCellLat" + cell) >= columns) {
                problems.push_back("frogStartCellLat" + cell + " lies off the grid");
            }
        }
        for (int l = 0; l < kLevelsPerWorld; ++l) {
            const std::string cell = StringFormat("_%02d_%02d", w, l);
            Check(problems, "GoalCellLat" + cell, Type::Int);
            Check(problems, "GoalCellLong" + cell, Type::Int);
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

TEST_F(ConfigKeysTest, EveryTopLayerPieceHasItsPlaceAndItsSprite) {
    struct Layer {
        const char* count;
        const char* offset;
        const char* sprite;
    };
    const Layer layers[] = {{"numSpritesInTopLayer", "topLayerOffset", "TOP_LAYER_%02d"},
                            {"numSpritesInRoadTopLayer", "roadTopLayerOffset", "ROAD_TOP_LAYER_%02d"}};
    std::vector<std::string> problems;
    for (const Layer& layer : layers) {
        for (int i = 0; i < Int(layer.count); ++i) {
            Check(problems, IndexedKey(std::string(layer.offset) + "X", i), Type::Int);
            Check(problems, IndexedKey(std::string(layer.offset) + "Y", i), Type::Int);
            const std::string sprite = StringFormat(layer.sprite, i);
            bool registered = false;
            for (const SpriteRegistration& row : GameSpriteRegistrations()) {
                registered = registered || sprite == row.name;
            }
            if (!registered) problems.push_back(sprite + " is configured but not a sprite of the game");
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

TEST_F(ConfigKeysTest, EveryAnimationHasAPositiveLength) {
    std::vector<std::string> problems;
    for (const SpriteRegistration& row : GameSpriteRegistrations()) {
        if (!row.keyedDuration) continue;
        const std::string key = DurationKey(MakeAssetKey(row.name));
        Check(problems, key, Type::Float);
        if (Problem(key, Type::Float).empty() && Float(key) <= 0) {
            problems.push_back(key + " is not positive");
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

TEST_F(ConfigKeysTest, LayoutIsOneTheWorldCanBuild) {
    const int tracks = Int("numTracksPerArea");
    const int cellsPerArea = Int("numCellsPerGrassStrip") + Int("numCellsPerTrack") * tracks;
    const int visible = Int("numVisibleAreas");
    const int rows = visible * cellsPerArea + Int("numCellsStartStrip");
    ASSERT_GT(rows, kGoalRow) << "goals are placed on row " << kGoalRow;
    ASSERT_EQ(Int("gridHeightUnits") % rows, 0);
    ASSERT_EQ(Int("gridWidthUnits") % Int("numLatCells"), 0);
    EXPECT_EQ(cellsPerArea * (Int("gridHeightUnits") / rows), kLevelShiftUnits);
    const int areas = Int("numAreas");
    ASSERT_GE(areas, visible + kLevelsPerWorld - 1) << "level 4 needs area types up to its last area";

    for (int level = 0; level < kLevelsPerWorld; ++level) {
        bool road = false, river = false;
        for (int a = level; a < level + visible; ++a) {
            const bool isRiver = Int(IndexedKey("areaType", a)) == kRiverArea;
            river = river || isRiver;
            road = road || !isRiver;
        }
        EXPECT_TRUE(road && river) << "level " << level << " does not mix road and river";
    }
    bool piranhaRiver = false;
    for (int a = kFirstPiranhaArea; a < areas; ++a) {
        piranhaRiver = piranhaRiver || Int(IndexedKey("areaType", a)) == kRiverArea;
    }
    EXPECT_TRUE(piranhaRiver) << "no river from area " << kFirstPiranhaArea << " on: no piranhas";
}

TEST_F(ConfigKeysTest, KillAndDiveTimersArePositive) {
    // A zero would kill or sink the frog on the first frame it lands.
    for (const char* key :
         {"truckKillTimerInterval", "boxWaitBeforeKillInterval", "hippoWaitBeforeDiveInterval", "levelTimeSeconds"}) {
        EXPECT_GT(Float(key), 0.0f) << key;
    }
}

}  // namespace
