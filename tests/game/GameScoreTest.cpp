#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "settings/SettingsManager.h"
#include "files/FileLoader.h"
#include "game/GameScore.h"
#include "game/ScreenMessage.h"

namespace {

class GameScoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("rj-score-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        std::ofstream(dir_ / "config.txt") << "scoreCountSpeed 500\n"
                                              "piercingScore -300\n"
                                              "businessBugScore 50\nbutterflyScore 60\nnewsBugScore 70\n"
                                              "toolBugScore 80\nvoyagerBugScore 90\n"
                                              "starScore 25\ntruckToTruckTravelScore 100\n"
                                              "numStarsForBonusLife 2.9\nscorePerSecLeft 10\nareaDoneScore 200\n";
        FileLoader::SetDataRoot(dir_.string());
        FileLoader::Instance().Reinitialize();
        SettingsManager::Instance().Clear();
        ASSERT_TRUE(SettingsManager::Instance().Load("data\\config.txt"));
        score().Reset();
    }
    void TearDown() override {
        SettingsManager::Instance().Clear();
        std::filesystem::remove_all(dir_);
    }
    GameScore& score() { return GameScore::Instance(); }

    std::filesystem::path dir_;
};

}  // namespace

TEST_F(GameScoreTest, DisplayedScoreCountsTowardsTheScoreAndStops) {
    score().SetForTest(1000, 900.0f);
    score().Update(0.1f);
    EXPECT_EQ(static_cast<int>(score().DisplayedScore()), 950);
    score().Update(0.1f);
    score().Update(0.1f);
    EXPECT_FLOAT_EQ(score().DisplayedScore(), 1000.0f);
    score().Update(0.1f);
    EXPECT_FLOAT_EQ(score().DisplayedScore(), 1000.0f);
    score().SetForTest(0, 100.0f);  // counts down as well
    score().Update(1.0f);
    EXPECT_FLOAT_EQ(score().DisplayedScore(), 0.0f);
}

TEST_F(GameScoreTest, EventValues) {
    score().AddTimeBonus(7.9f, 10, 20);
    EXPECT_EQ(score().Score(), 79);
    struct Case {
        int kind;
        int value;
    };
    const Case cases[] = {{2, 50}, {3, 60}, {4, 70}, {6, 80}, {7, 90}, {1, 10}, {5, 10}};
    for (const Case& c : cases) {
        const int before = score().Score();
        score().AddInsect(c.kind, 0, 0);
        EXPECT_EQ(score().Score() - before, c.value) << "kind " << c.kind;
    }
    score().AddPiercing(0, 0);
    EXPECT_EQ(score().Score(), 149);
    score().AddPiercing(0, 0);  // a piercing larger than the score leaves 0, never less
    EXPECT_EQ(score().Score(), 0);
    score().AddLevelDone();
    score().AddTruckToTruck();
    EXPECT_EQ(score().Score(), 300);
    EXPECT_EQ(ScreenMessage::Instance().Popups().back().value, -300);
}

TEST_F(GameScoreTest, StarsCountTowardsABonusLifeWithATruncatedTarget) {
    EXPECT_EQ(score().NumStarsForBonusLife(), 2);
    EXPECT_FALSE(score().AddStar(0, 0));
    EXPECT_TRUE(score().AddStar(0, 0));
    EXPECT_EQ(score().StarsCollected(), 0);
    EXPECT_EQ(score().Score(), 50);
}
