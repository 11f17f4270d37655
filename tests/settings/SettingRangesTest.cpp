#include "settings/SettingRanges.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "files/FileLoader.h"
#include "settings/SettingsManager.h"

namespace {

// Loads `text` as the only settings file, from a data folder of this test's own.
class SettingRangesTest : public ::testing::Test {
protected:
    void Use(const std::string& text) {
        static int counter = 0;
        if (!dir_.empty()) std::filesystem::remove_all(dir_);  // a test may load several files
        dir_ = std::filesystem::temp_directory_path() /
               ("rj-ranges-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(dir_);
        std::ofstream(dir_ / "config.txt", std::ios::binary) << text;
        FileLoader::SetDataRoot(dir_.string());
        FileLoader::Instance().Reinitialize();
        SettingsManager::Instance().Clear();
        ASSERT_TRUE(SettingsManager::Instance().Load("data\\config.txt"));
    }
    void TearDown() override {
        SettingsManager::Instance().Clear();
        std::filesystem::remove_all(dir_);
    }
    static SettingsManager& S() { return SettingsManager::Instance(); }

    std::filesystem::path dir_;
};

// Every key the shipped settings file holds has a range, and the shipped value lies inside it:
// a new key without a range fails here.
TEST(SettingRanges, EveryShippedKeyHasARangeThatHoldsItsValue) {
    std::ifstream in(std::string(RJ_SOURCE_DIR) + "/data/config.txt");
    ASSERT_TRUE(in);
    int keys = 0;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string key;
        double value = 0.0;
        if (!(words >> key) || key[0] == '#' || !(words >> value)) continue;
        ++keys;
        const SettingRange* range = SettingRanges::Find(key);
        ASSERT_NE(range, nullptr) << key << " has no range";
        EXPECT_TRUE(SettingRanges::Holds(*range, value)) << key << " " << value << " outside " << range->pattern;
    }
    EXPECT_GT(keys, 100);
}

TEST(SettingRanges, PatternsMatchIndexedKeysWithoutLetterCase) {
    struct Case {
        const char* pattern;
        const char* key;
        bool matches;
    };
    const Case cases[] = {
        {"trackSpeed*", "TRACKSPEED_03_01", true},  {"trackSpeed*", "trackSpee", false},
        {"*Interval", "frogmoveupInterval", true},  {"*Interval", "frogmoveupIntervalX", false},
        {"*PerCent*", "perCentChancePierce", true}, {"Min*SpawnInterval*", "MinSpawnInterval_00_01", true},
        {"numAreas", "numAreasX", false},           {"*Offset*", "truckVerticalOffsetStar", true},
    };
    for (const Case& c : cases) EXPECT_EQ(SettingRanges::Matches(c.pattern, c.key), c.matches) << c.pattern << c.key;
    // Specific rows stand before general ones.
    EXPECT_STREQ(SettingRanges::Find("initInterval")->pattern, "initInterval");
    EXPECT_STREQ(SettingRanges::Find("MinSpawnInterval_02_03")->pattern, "Min*SpawnInterval*");
    EXPECT_EQ(SettingRanges::Find("noSuchKey"), nullptr);
}

// Values that used to hang a level start, flood standard error or take gigabytes: each is named
// once with its range, then limited so the game plays on.
TEST_F(SettingRangesTest, ExtremeValuesAreNamedOnceAndLimited) {
    Use("initInterval 1e30\n"
        "numInitialInsects 100000000\n"
        "MaxNumObjectsPerTrack 2e9\n"
        "trackSpeed_00_00 -5\n"
        "levelTimeSeconds nan\n"
        "numSpritesInTopLayer 2000000000\n"
        "messageInterval 2.5\n");
    testing::internal::CaptureStderr();
    EXPECT_FLOAT_EQ(S().GetFloat("initInterval"), 120.0f);
    EXPECT_FLOAT_EQ(S().GetFloat("initInterval"), 120.0f);
    EXPECT_EQ(S().GetInt("numInitialInsects"), 50);
    EXPECT_FLOAT_EQ(S().GetFloat("MaxNumObjectsPerTrack"), 50.0f);
    EXPECT_FLOAT_EQ(S().GetFloat("trackSpeed_00_00"), 0.0f);
    EXPECT_FLOAT_EQ(S().GetFloat("levelTimeSeconds"), 1.0f);
    EXPECT_EQ(S().GetInt("numSpritesInTopLayer"), 50);
    EXPECT_FLOAT_EQ(S().GetFloat("messageInterval"), 2.5f);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("config.txt: 'initInterval' is 1e+30, outside its range 0 ... 120; 120 is used"),
              std::string::npos)
        << err;
    for (const char* key : {"numInitialInsects", "MaxNumObjectsPerTrack", "trackSpeed_00_00", "levelTimeSeconds",
                            "numSpritesInTopLayer"}) {
        EXPECT_NE(err.find(std::string("'") + key + "'"), std::string::npos) << key << ": " << err;
    }
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 6) << err;
    EXPECT_FALSE(S().RefusedValues());
}

// Values that shape the world's layout are named when the file is loaded, and refused.
TEST_F(SettingRangesTest, LayoutValuesOutsideTheirRangeAreRefusedAtLoad) {
    testing::internal::CaptureStderr();
    Use("numAreas 2e9\n"
        "numTracksPerArea 100000\n"
        "numTracksPerArea 4\n"  // a later line of the same key is never read
        "numLatCells 20\n");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(S().RefusedValues());
    EXPECT_NE(err.find("'numAreas' is 2e+09, outside its range 1 ... 99"), std::string::npos) << err;
    EXPECT_NE(err.find("'numTracksPerArea' is 100000, outside its range 1 ... 16"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;

    Use("numAreas 7\nnumTracksPerArea 4\n");
    EXPECT_FALSE(S().RefusedValues());
}

}  // namespace
