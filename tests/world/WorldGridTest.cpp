#include "world/WorldGrid.h"

#include <gtest/gtest.h>

#include "WorldTestSupport.h"

using worldtest::TestContext;
using worldtest::UseConfig;

TEST(WorldGrid, CreateGridRejectsSizesThatDoNotDivide) {
    UseConfig();
    TestContext game;
    game.world.GetLevelInfo().LoadLevelSettings();
    ASSERT_TRUE(game.world.CreateGrid());
    const WorldGrid& grid = game.world.GetGrid();
    EXPECT_EQ(grid.CellWidth(), 40);
    EXPECT_EQ(grid.CellHeight(), 75);
    EXPECT_EQ(grid.NumLongCells(), 11);

    UseConfig({{"numLatCells", "21"}});
    testing::internal::CaptureStderr();
    EXPECT_FALSE(game.world.CreateGrid());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("gridWidthUnits 800"), std::string::npos);
    EXPECT_EQ(grid.NumLatCells(), 20);
    UseConfig({{"gridHeightUnits", "800"}});
    testing::internal::CaptureStderr();
    EXPECT_FALSE(game.world.CreateGrid());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(grid.CellHeight(), 75);
    // A missing column count is no division by zero.
    UseConfig({{"numLatCells", "0"}});
    testing::internal::CaptureStderr();
    EXPECT_FALSE(game.world.CreateGrid());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("numLatCells"), std::string::npos);
}

TEST(WorldGrid, CellIndexAtTheEdges) {
    WorldGrid grid;
    ASSERT_TRUE(grid.Create(20, 11, 40, 75));
    struct Case {
        int x, y, index;
    };
    const Case cases[] = {
        {0, 0, 0},     {799, 0, 19}, {800, 0, -1}, {-1, 0, -1},  {0, -1, -1},
        {0, 824, 200}, {0, 825, -1}, {39, 74, 0},  {40, 75, 21}, {799, 824, 219},
    };
    for (const Case& c : cases) EXPECT_EQ(grid.CellIndexAt(c.x, c.y), c.index) << c.x << "," << c.y;
    EXPECT_EQ(grid.IndexToCell(21), (IntPoint{1, 1}));
    EXPECT_EQ(grid.CellCenter(0, 0), (IntPoint{20, 37}));
    EXPECT_EQ(grid.CellCenter(19, 10), (IntPoint{780, 787}));
}

TEST(WorldGrid, FlagsStartClearEveryTime) {
    WorldGrid grid;
    grid.Create(4, 3, 10, 10);
    grid.GetCell(grid.CellIndex(2, 1)) |= CELL_WATER;
    EXPECT_TRUE(grid.HasFlagAt(25, 15, CELL_WATER));
    EXPECT_FALSE(grid.HasFlagAt(-5, 15, CELL_WATER));
    grid.Create(4, 3, 10, 10);
    EXPECT_FALSE(grid.HasFlagAt(25, 15, CELL_WATER));
}

TEST(WorldGrid, AWorldWhoseGridNeverFormedStillRuns) {
    UseConfig({{"gridHeightUnits", "800"}});  // 11 rows do not divide 800
    TestContext game;
    testing::internal::CaptureStderr();
    game.BuildLevel();
    game.world.PlaceGoalAndObjects();
    for (int i = 0; i < 50; ++i) game.world.UpdateAreas(0.1f, false);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(game.world.GetGrid().PositionToCell(100, 100), (IntPoint{-1, -1}));
    EXPECT_EQ(game.world.FindTrackObjectAt(100, 100), nullptr);
}
