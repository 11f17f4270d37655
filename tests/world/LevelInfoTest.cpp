#include "world/LevelInfo.h"

#include <gtest/gtest.h>

#include "platform/Messages.h"
#include "world/Area.h"
#include "WorldTestSupport.h"

using worldtest::TestContext;
using worldtest::UseConfig;

TEST(LevelInfo, ReadsEveryAreaTypeAndTheLastLevelShowsTheLastAreas) {
    UseConfig({{"areaType04", "1"}, {"areaType05", "2"}});
    TestContext game;
    LevelInfo& level = game.world.GetLevelInfo();
    ASSERT_TRUE(level.LoadLevelSettings());
    EXPECT_EQ(level.areaTypes, (std::vector<int>{0, 2, 1, 2, 1, 2}));
    EXPECT_EQ(level.frogSpeedFactors, (std::vector<float>{1.0f, 2.0f}));
    level.levelIndex = 4;
    game.world.CreateGrid();
    game.world.BuildAreas();
    ASSERT_EQ(game.world.GetAreas().size(), 2u);
    EXPECT_EQ(game.world.GetAreas()[0]->GetAreaIndex(), 4);
    EXPECT_EQ(game.world.GetAreas()[0]->GetType(), 1);
    EXPECT_EQ(game.world.GetAreas()[1]->GetAreaIndex(), 5);
    EXPECT_TRUE(game.world.GetAreas()[1]->IsRiver());
}

TEST(LevelInfo, RowsAndAreaHeightFromTheStrips) {
    UseConfig();
    LevelInfo level;
    level.LoadLevelSettings();
    EXPECT_EQ(level.numCellsPerArea, 5);
    EXPECT_EQ(level.GetNumLongCells(), 11);
}

TEST(LevelInfo, NextLevelStopsAfterTheFifthLevel) {
    UseConfig();
    LevelInfo level;
    level.LoadLevelSettings();
    level.levelIndex = 3;
    level.frogsLeftToGoal = 0;
    level.timeLeftSeconds = 5.0f;
    EXPECT_TRUE(level.NextLevel());
    EXPECT_EQ(level.frogsLeftToGoal, 2);
    EXPECT_FLOAT_EQ(level.timeLeftSeconds, 60.0f);

    level.frogsLeftToGoal = 1;
    level.timeLeftSeconds = 7.0f;
    EXPECT_FALSE(level.NextLevel());
    EXPECT_EQ(level.levelIndex, 5);
    EXPECT_EQ(level.frogsLeftToGoal, 1);
    EXPECT_FLOAT_EQ(level.timeLeftSeconds, 7.0f);
}

TEST(LevelInfo, BonusLivesRunOutIntoStarScore) {
    UseConfig();
    TestContext game;
    LevelInfo level;
    level.LoadLevelSettings();
    ASSERT_EQ(level.bonusLifesLeft, 1);
    EXPECT_EQ(level.AwardBonusLife(game), LevelInfo::BonusAward::ExtraLife);
    EXPECT_EQ(level.frogLifes, 4);
    EXPECT_EQ(level.bonusLifesLeft, 0);
    EXPECT_EQ(level.AwardBonusLife(game), LevelInfo::BonusAward::StarScore);
    EXPECT_EQ(level.frogLifes, 4);
    EXPECT_EQ(game.SoundCount("SOUND_BONUS_LIFE"), 2);
}

TEST(LevelInfo, AnAreaTypeOutsideZeroToTwoStopsWithStatusOne) {
    for (const char* bad : {"3", "-1", "7"}) {
        UseConfig({{"areaType03", bad}});
        platform::ResetQuitState();
        LevelInfo level;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(level.LoadLevelSettings()) << bad;
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find("areaType03"), std::string::npos) << err;
        EXPECT_TRUE(platform::IsQuitPosted());
        EXPECT_EQ(platform::GetQuitExitCode(), 1);
        // Nothing reads past what was accepted.
        EXPECT_EQ(level.AreaType(3), 0);
    }
    platform::ResetQuitState();
}
