#include "world/World.h"

#include <gtest/gtest.h>

#include <set>

#include "core/Randomizer.h"
#include "world/objects/InvisibleBlockObject.h"
#include "world/objects/TrackObject.h"
#include "world/objects/Truck.h"
#include "world/objects/WaterLilyGoal.h"
#include "world/Area.h"
#include "world/BlockInfo.h"
#include "world/LevelObjectsFile.h"
#include "world/ObjectTrack.h"
#include "WorldTestSupport.h"

using worldtest::TestContext;
using worldtest::UseConfig;
using worldtest::WriteDataFile;

namespace {
class WorldTest : public testing::Test {
protected:
    void SetUp() override {
        BlockInfo::Instance().ClearBlockers();
        for (int l = 0; l < 5; ++l) worldtest::RemoveDataFile(StringFormat("ArbitraryObjects_00_%02d.txt", l));
    }
    void TearDown() override { BlockInfo::Instance().ClearBlockers(); }
};

bool IsWater(const World& world, int lat, int lng) {
    const WorldGrid& grid = world.GetGrid();
    return (grid.GetCell(grid.CellIndex(lat, lng)) & CELL_WATER) != 0;
}
}  // namespace

TEST_F(WorldTest, LevelFileLinesMakeBlockersAndWaterAndCommentsNothing) {
    UseConfig();
    WriteDataFile("ArbitraryObjects_00_00.txt",
                  "# type, lat, long, width, height\n"
                  "1, 5, 3, 40, 75\n"
                  "2, 6, 3, 0, 0\n"
                  "#1, 7, 3, 40, 75\n"
                  "#2, 8, 3, 0, 0\n"
                  "3, 9, 3, 40, 75\n"
                  "\n");
    TestContext game;
    game.BuildLevel();
    game.world.PlaceGoalAndObjects();
    EXPECT_TRUE(BlockInfo::Instance().IsBlocked(200, 225));
    EXPECT_TRUE(BlockInfo::Instance().IsBlocked(220, 299));
    EXPECT_FALSE(BlockInfo::Instance().IsBlocked(180, 262));
    EXPECT_TRUE(IsWater(game.world, 6, 3));
    EXPECT_FALSE(IsWater(game.world, 8, 3));
    EXPECT_FALSE(BlockInfo::Instance().IsBlocked(300, 262));
    EXPECT_EQ(game.world.GetPlacedObjects().size(), 2u);  // the blocker and the goal
    // A new level forgets the blockers of the last.
    worldtest::RemoveDataFile("ArbitraryObjects_00_00.txt");
    game.world.PlaceGoalAndObjects();
    EXPECT_FALSE(BlockInfo::Instance().IsBlocked(220, 262));
}

TEST_F(WorldTest, LinesOutOfRangeOrMalformedAreSkippedWithAMessage) {
    UseConfig();
    WriteDataFile("ArbitraryObjects_00_00.txt",
                  "2, 20, 3, 0, 0\n"
                  "2, -1, 3, 0, 0\n"
                  "2, 0, 11, 0, 0\n"
                  "2, 99999999999, 3, 0, 0\n"
                  "1, 5, 3\n"
                  "1 ,5, 3, 40, 75\n"
                  "2, 19, 10, 0, 0\n");
    TestContext game;
    game.BuildLevel();
    testing::internal::CaptureStderr();
    game.world.PlaceGoalAndObjects();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("(20, 3)"), std::string::npos) << err;
    EXPECT_NE(err.find("line 4"), std::string::npos) << err;
    EXPECT_NE(err.find("line 6"), std::string::npos) << err;
    EXPECT_TRUE(IsWater(game.world, 19, 10));  // the last cell of the grid
    EXPECT_EQ(BlockInfo::Instance().Count(), 0u);
}

TEST(LevelObjectsFile, ParsesLikeTheScanFormat) {
    struct Case {
        const char* line;
        bool ok;
    };
    const Case cases[] = {{"1, 5, 3, 40, 75", true},          {"1,5,3,40,75\r\n", true},
                          {"  -1,  +5, 3, 4, 7", true},       {"1, 5, 3, 40", false},
                          {"1 , 5, 3, 40, 75", false},        {"a, 5, 3, 40, 75", false},
                          {"1, 5, 3, 40, 2147483648", false}, {"1, 5, 3, 40, -2147483648", true}};
    for (const Case& c : cases) EXPECT_EQ(LevelObjectsFile::ParseLine(c.line).has_value(), c.ok) << c.line;
    const auto entry = LevelObjectsFile::ParseLine("1, 5, 3, 40, 75 trailing");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->lat, 5);
    EXPECT_EQ(entry->height, 75);
    EXPECT_EQ(LevelObjectsFile::PathFor(0, 2), "data\\ArbitraryObjects_00_02.txt");
}

TEST_F(WorldTest, TheGoalStandsOnItsConfiguredCell) {
    UseConfig();
    TestContext game;
    game.BuildLevel();
    game.world.PlaceGoalAndObjects();
    const WaterLilyGoal* goal = game.world.GetGoal();
    ASSERT_NE(goal, nullptr);
    EXPECT_EQ(goal->GetRoundedPosition(), (IntPoint{420, 787}));
    EXPECT_EQ(goal->GetWidth(), 60);
    EXPECT_TRUE(game.world.IsWithinGoalDistance({430.0f, 787.0f}, 10.0f));
    EXPECT_FALSE(game.world.IsWithinGoalDistance({430.1f, 787.0f}, 10.0f));
}

TEST_F(WorldTest, ARandomGoalCellIsDryAndFreeOnRowNineteen) {
    UseConfig({{"GoalCellLat_00_02", "-1"},
               {"numVisibleAreas", "4"},
               {"gridHeightUnits", "1575"},
               {"numAreas", "8"},
               {"areaType05", "0"},
               {"areaType06", "0"},
               {"areaType07", "0"}});
    // Row 19 of level 2: the lats 2 … 17 are water except 9 and 14; 9 is blocked.
    std::string lines;
    for (int lat = 2; lat <= 17; ++lat) {
        if (lat != 9 && lat != 14) lines += StringFormat("2, %d, 19, 0, 0\n", lat);
    }
    lines += "1, 9, 19, 40, 75\n";
    WriteDataFile("ArbitraryObjects_00_02.txt", lines);
    std::set<int> chosen;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        TestContext game;
        game.BuildLevel(2);
        ASSERT_EQ(game.world.GetGrid().NumLongCells(), 21);
        Randomizer::Instance().Seed(seed);
        game.world.PlaceGoalAndObjects();
        const IntPoint cell = game.world.GetGrid().PositionToCell(game.world.GetGoal()->GetRoundedPosition().x,
                                                                  game.world.GetGoal()->GetRoundedPosition().y);
        chosen.insert(cell.x);
        EXPECT_EQ(cell.y, 19);
    }
    EXPECT_EQ(chosen, std::set<int>{14});
}

TEST_F(WorldTest, ARowWithoutAFreeCellStillGetsItsGoalWithoutHanging) {
    UseConfig({{"GoalCellLong_00_00", "-1"}});
    std::string lines;
    for (int lat = 0; lat < 20; ++lat) lines += StringFormat("2, %d, 10, 0, 0\n", lat);
    WriteDataFile("ArbitraryObjects_00_00.txt", lines);
    TestContext game;
    game.BuildLevel();  // 11 rows: the goal row is the top row, 10
    testing::internal::CaptureStderr();
    game.world.PlaceGoalAndObjects();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no dry"), std::string::npos);
    ASSERT_NE(game.world.GetGoal(), nullptr);
    EXPECT_EQ(game.world.GetGoal()->GetRoundedPosition().y, 10 * 75 + 37);
}

TEST_F(WorldTest, TopLayersMoveDownFourHundredFiftyPerLevel) {
    UseConfig({{"numSpritesInTopLayer", "2"},
               {"topLayerOffsetX00", "-45"},
               {"topLayerOffsetY00", "2000"},
               {"topLayerOffsetX01", "700"},
               {"topLayerOffsetY01", "100"},
               {"numSpritesInRoadTopLayer", "1"},
               {"roadTopLayerOffsetX00", "0"},
               {"roadTopLayerOffsetY00", "900"}});
    TestContext game;
    game.BuildLevel(3);
    game.world.LoadTopLayers();
    ASSERT_EQ(game.world.GetTopLayers().TopLayer().size(), 2u);
    EXPECT_EQ(game.world.GetTopLayers().TopLayer()[0], (IntPoint{-45, 650}));
    EXPECT_EQ(game.world.GetTopLayers().RoadTopLayer()[0], (IntPoint{0, -450}));

    game.AddSprite("TOP_LAYER_00", 300, 120);  // TOP_LAYER_01 has no sprite: skipped
    game.scroll = {0.0f, 100.4f};
    game.world.DrawTopLayer();
    const auto& drawn = game.sprites["toplayer00"]->draws;
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].params.dstX, -45);
    EXPECT_EQ(drawn[0].params.dstY, 600 - (650 - 100) - 120);
    EXPECT_TRUE(game.Requested("toplayer01"));
}

TEST_F(WorldTest, UpdateAreasDrawsTheRoadTopLayerAndTheGoalAfterTheTraffic) {
    UseConfig({{"numSpritesInRoadTopLayer", "1"}, {"roadTopLayerOffsetX00", "0"}, {"roadTopLayerOffsetY00", "0"}});
    TestContext game;
    game.BuildLevel();
    game.world.PlaceGoalAndObjects();
    game.world.LoadTopLayers();
    game.AddSprite("ROAD_TOP_LAYER_00");
    game.AddSprite("WATER_LILY_GOAL");
    game.world.UpdateAreas(0.02f, true);
    EXPECT_EQ(game.sprites["roadtoplayer00"]->draws.size(), 1u);
    EXPECT_EQ(game.sprites["waterlilygoal"]->draws.size(), 1u);
    EXPECT_FLOAT_EQ(game.sprites["waterlilygoal"]->draws[0].time, 0.0f);
}

TEST_F(WorldTest, ThePreRunFillsTheTracks) {
    UseConfig({{"initInterval", "30.0"}});
    TestContext game;
    game.BuildLevel();
    Randomizer::Instance().Seed(1);
    game.world.PreRun();
    size_t objects = 0;
    for (const auto& area : game.world.GetAreas()) {
        for (const auto& track : area->GetTracks()) objects += track->GetObjects().size();
    }
    EXPECT_GE(objects, 16u);
    const auto kinds = game.world.DescribeTracks();
    ASSERT_EQ(kinds.size(), 2u);
    ASSERT_EQ(kinds[1].size(), 4u);
    for (int kind : kinds[1][2]) EXPECT_GE(kind, KIND_TRUNK);
}

TEST_F(WorldTest, FrogSpeedFactorsMultiplyUpOverALevel) {
    UseConfig({{"numFrogsToGoal", "3"}, {"frogSpeedFactor02", "3.0"}});
    TestContext game;
    game.BuildLevel();
    LevelInfo& level = game.world.GetLevelInfo();
    const ObjectTrack& track = *game.world.GetAreas()[1]->GetTracks()[1];
    level.frogsLeftToGoal = 2;
    game.world.ApplyFrogSpeedFactor();
    EXPECT_FLOAT_EQ(track.GetSpeed(), 200.0f);
    level.frogsLeftToGoal = 1;
    game.world.ApplyFrogSpeedFactor();
    EXPECT_FLOAT_EQ(track.GetSpeed(), 600.0f);
    game.world.BuildAreas();
    EXPECT_FLOAT_EQ(game.world.GetAreas()[1]->GetTracks()[1]->GetSpeed(), 100.0f);
}

TEST_F(WorldTest, TheTrafficPassesOverAFrogOnTheRoadUnlessItRidesOrBoards) {
    UseConfig();
    struct Case {
        const char* why;
        float y;
        int state;
        bool carrier;  // rides the truck
        bool target;   // jumps onto the truck
        bool under;
    };
    // Road rows 1 … 4 (y 112 … 337), river rows 6 … 9 (y 487 …).
    const Case cases[] = {
        {"idle on the road", 112.0f, FS_IDLE, false, false, true},
        {"jumping up on the road", 112.0f, FS_MOVE_UP, false, false, true},
        {"riding a truck", 112.0f, FS_IDLE, true, false, false},
        {"jumping onto a truck", 112.0f, FS_MOVE_UP_TRUCK_UP, false, true, false},
        {"jumping down off a truck", 112.0f, FS_MOVE_DOWN_TRUCK_DOWN, false, false, false},
        {"hopping off a truck", 112.0f, FS_MOVE_UP_TRUCK_DOWN, false, false, false},
        {"rocket jump", 112.0f, FS_ROCKET_JUMP, false, false, false},
        {"rocket jump boarding", 112.0f, FS_ROCKET_JUMP_BOARDING, false, false, false},
        {"idle on the river", 487.0f, FS_IDLE, false, false, false},
    };
    for (const Case& c : cases) {
        TestContext game;
        game.BuildLevel();
        auto* truck = game.world.GetAreas()[0]->GetTracks()[0]->AddObject(
            std::make_unique<Truck>("Truck", KIND_TRUCK_GARBAGE), false);
        truck->SetX(400.0f);
        Frog& frog = game.MakeFrog(400.0f, c.y);
        frog.SetState(c.state);
        if (c.carrier) frog.SetCarrier(truck);
        if (c.target) frog.SetTarget(truck);
        EXPECT_EQ(game.world.DrawsFrogUnderTraffic(frog), c.under) << c.why;
        frog.SetCarrier(nullptr);
    }
}
