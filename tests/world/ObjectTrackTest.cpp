#include "world/ObjectTrack.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/Randomizer.h"
#include "world/objects/Piranha.h"
#include "world/objects/Trunk.h"
#include "world/Area.h"
#include "WorldTestSupport.h"

using worldtest::TestContext;
using worldtest::UseConfig;

namespace {
ObjectTrack& Track(TestContext& game, int area, int track) {
    return *game.world.GetAreas()[static_cast<size_t>(area)]->GetTracks()[static_cast<size_t>(track)];
}

size_t Count(const ObjectTrack& track) { return track.GetObjects().size(); }
}  // namespace

TEST(ObjectTrack, InitLaysTheTrackOnItsRowAndFloodsRiverRows) {
    UseConfig();
    TestContext game;
    game.BuildLevel();
    const ObjectTrack& road = Track(game, 0, 2);
    EXPECT_EQ(road.GetRow(), 3);
    EXPECT_EQ(road.GetCenterY(), 3 * 75 + 37);
    EXPECT_FLOAT_EQ(road.GetPiranhaSpeed(), 50.0f);  // runs left: piranhas swim right
    const WorldGrid& grid = game.world.GetGrid();
    EXPECT_FALSE(grid.HasFlagAt(400, road.GetCenterY(), CELL_WATER));
    const ObjectTrack& river = Track(game, 1, 3);
    EXPECT_EQ(river.GetRow(), 9);
    EXPECT_FLOAT_EQ(river.GetPiranhaSpeed(), -50.0f);
    for (int x : {0, 400, 799}) EXPECT_TRUE(grid.HasFlagAt(x, river.GetCenterY(), CELL_WATER));
    EXPECT_FALSE(grid.HasFlagAt(400, 10 * 75 + 37, CELL_WATER));  // the grass strip above
}

TEST(ObjectTrack, NoSpawnBeforeTheMinimumInterval) {
    UseConfig();
    TestContext game;
    game.BuildLevel();
    ObjectTrack& track = Track(game, 0, 0);
    for (int i = 0; i < 50; ++i) track.Advance(0.02f, true);  // 1.0 s: not above the minimum
    EXPECT_EQ(Count(track), 0u);
}

TEST(ObjectTrack, ChanceIsFiftyAtTheMiddleOfTheSpawnInterval) {
    UseConfig();
    int spawned = 0;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        TestContext game;
        game.BuildLevel();
        ObjectTrack& track = Track(game, 0, 0);
        Randomizer::Instance().Seed(seed);
        const bool expected = Randomizer::Instance().Next() % 101 < 50;
        Randomizer::Instance().Seed(seed);
        track.Advance(2.001f, true);  // spawnTimer 2.001 of 1 … 3: chance 50
        EXPECT_EQ(Count(track), expected ? 1u : 0u) << "seed " << seed;
        spawned += static_cast<int>(Count(track));
    }
    EXPECT_NEAR(spawned / 300.0, 50.0 / 101.0, 0.08);
}

TEST(ObjectTrack, PastTheMaximumIntervalEveryAttemptSpawns) {
    // The seeds whose draw is 100 of 0 … 100: the one draw a chance of 100 still refuses.
    std::vector<uint32_t> seeds;
    for (uint32_t seed = 1; seeds.size() < 3 && seed < 100000; ++seed) {
        Randomizer::Instance().Seed(seed);
        if (Randomizer::Instance().Next() % 101 == 100) seeds.push_back(seed);
    }
    ASSERT_EQ(seeds.size(), 3u);
    for (uint32_t seed = 1; seed <= 50; ++seed) seeds.push_back(seed);
    struct Case {
        const char* why;
        const char* minimum;
        const char* maximum;
        float waited;
    };
    const Case cases[] = {
        {"past the maximum", "1.0", "3.0", 3.5f},
        {"an empty interval, past it", "2.0", "2.0", 2.5f},
    };
    for (const Case& c : cases) {
        UseConfig({{"MinSpawnInterval_00_00", c.minimum}, {"MaxSpawnInterval_00_00", c.maximum}});
        for (uint32_t seed : seeds) {
            TestContext game;
            game.BuildLevel();
            ObjectTrack& track = Track(game, 0, 0);
            Randomizer::Instance().Seed(seed);
            track.Advance(c.waited, true);
            EXPECT_EQ(Count(track), 1u) << c.why << ", seed " << seed;
        }
    }
}

TEST(ObjectTrack, NoSpawnWhileTheNewestObjectOverlapsTheEntryEdge) {
    UseConfig({{"MaxSpawnInterval_00_00", "1.0001"}});  // past the minimum every attempt spawns
    TestContext game;
    game.BuildLevel();
    ObjectTrack& track = Track(game, 0, 0);                         // runs left, enters at x = 800
    game.MakeFrog(400.0f, static_cast<float>(track.GetCenterY()));  // holds the track still
    TrackObject* first = track.AddObject(std::make_unique<Trunk>("Trunk"), false);
    first->SetExtent(160, 46);
    first->SetX(800.0f - 80.0f);  // half its width: still touching the edge
    for (int i = 0; i < 10; ++i) track.Advance(3.0f, false);
    EXPECT_EQ(Count(track), 1u);
    first->SetX(800.0f - 81.0f);  // wholly on the screen
    track.Advance(3.0f, false);
    EXPECT_EQ(Count(track), 2u);
    // A new object starts just outside the screen on the edge it comes from.
    const TrackObject& newest = *track.GetObjects().back();
    EXPECT_FLOAT_EQ(newest.GetX(), 800.0f + static_cast<float>(newest.GetWidth()));
}

TEST(ObjectTrack, NeverMoreThanTheMaximumObjects) {
    UseConfig({{"MaxNumObjectsPerTrack", "2"}, {"MaxSpawnInterval_00_00", "1.0001"}});
    TestContext game;
    game.BuildLevel();
    ObjectTrack& track = Track(game, 0, 0);
    for (int i = 0; i < 400; ++i) track.Advance(0.05f, true);
    EXPECT_LE(Count(track), 2u);
    EXPECT_EQ(Count(track), 2u);
}

TEST(ObjectTrack, FrozenTracksStillAnimateAndOnlyTheFrogsRowStands) {
    UseConfig({{"MinSpawnInterval_01_00", "100"}, {"MinSpawnInterval_01_01", "100"}});
    TestContext game;
    game.BuildLevel();
    ObjectTrack& frogRow = Track(game, 1, 0);
    ObjectTrack& other = Track(game, 1, 1);
    game.MakeFrog(400.0f, static_cast<float>(frogRow.GetCenterY()));
    TrackObject* still = frogRow.AddObject(std::make_unique<Trunk>("Trunk"), true);
    TrackObject* moving = other.AddObject(std::make_unique<Trunk>("Trunk"), true);
    const float stillX = still->GetX();
    const float movingX = moving->GetX();
    frogRow.Advance(0.5f, false);
    other.Advance(0.5f, false);
    EXPECT_FLOAT_EQ(still->GetX(), stillX);
    EXPECT_FLOAT_EQ(still->GetStateTime(), 0.5f);
    EXPECT_FLOAT_EQ(moving->GetX(), movingX + 50.0f);
    frogRow.Advance(0.5f, true);  // forced: the frog's row moves too
    EXPECT_FLOAT_EQ(still->GetX(), stillX - 50.0f);
}

TEST(ObjectTrack, RemovesAtMostOneObjectPerFrameOnceItHasLeft) {
    UseConfig({{"MinSpawnInterval_00_00", "100"}});
    TestContext game;
    game.BuildLevel();
    ObjectTrack& track = Track(game, 0, 0);
    for (int i = 0; i < 2; ++i) {
        TrackObject* gone = track.AddObject(std::make_unique<Trunk>("Trunk"), false);
        gone->SetExtent(100, 40);
        gone->SetX(-101.0f);
    }
    TrackObject* edge = track.AddObject(std::make_unique<Trunk>("Trunk"), false);
    edge->SetExtent(100, 40);
    track.Advance(0.0f, true);
    EXPECT_EQ(Count(track), 2u);
    track.Advance(0.0f, true);
    EXPECT_EQ(Count(track), 1u);
    edge->SetX(-100.0f);  // exactly −width: still there
    track.Advance(0.0f, true);
    EXPECT_EQ(Count(track), 1u);
}

TEST(ObjectTrack, PiranhasOnlyFromTheFifthArea) {
    UseConfig(
        {{"spawnPiranhaChancePerMill", "1000"}, {"MinSpawnInterval_03_00", "100"}, {"MinSpawnInterval_04_00", "100"}});
    TestContext game;
    game.BuildLevel(3);  // areas 3 and 4, both rivers
    ObjectTrack& area3 = Track(game, 0, 0);
    ObjectTrack& area4 = Track(game, 1, 1);  // runs right: the piranha swims left
    for (int i = 0; i < 30; ++i) {
        area3.Advance(0.1f, true);
        area4.Advance(0.1f, true);
    }
    EXPECT_EQ(area3.GetPiranha(), nullptr);
    ASSERT_NE(area4.GetPiranha(), nullptr);
}

TEST(ObjectTrack, APiranhaEntersOutsideTheFarEdgeAndLeavesBeyondTheOther) {
    UseConfig({{"spawnPiranhaChancePerMill", "1000"}, {"MinSpawnInterval_04_01", "100"}});
    TestContext game;
    game.BuildLevel(4);
    game.AddSprite("PIRANHA_SWIMMING");
    ObjectTrack& track = Track(game, 0, 1);  // runs right
    track.Advance(2.01f, true);
    const Piranha* piranha = track.GetPiranha();
    ASSERT_NE(piranha, nullptr);
    // It entered at the right edge, 200 units further out, and swam 2.01 s × 50 to the left.
    EXPECT_NEAR(piranha->GetX(), 800.0f + 200.0f - 50.0f * 2.01f, 0.01f);
    EXPECT_EQ(piranha->GetWidth(), 32);
    EXPECT_TRUE(game.Requested("piranhaswimmingmirrored"));
    for (int i = 0; i < 400 && track.GetPiranha() != nullptr; ++i) {
        const float x = track.GetPiranha()->GetX();
        track.Advance(0.1f, true);
        if (track.GetPiranha() == nullptr) {
            EXPECT_LT(x - 5.0f, -250.0f + 1.0f);
        }
    }
    EXPECT_EQ(track.GetPiranha(), nullptr);
}

TEST(ObjectTrack, APiranhaEatsTheIdleFrogOnItsRowAndRacesOff) {
    UseConfig({{"spawnPiranhaChancePerMill", "1000"}, {"MinSpawnInterval_04_01", "100"}});
    TestContext game;
    game.BuildLevel(4);
    ObjectTrack& track = Track(game, 0, 1);
    track.Advance(2.01f, true);
    ASSERT_NE(track.GetPiranha(), nullptr);
    Frog& frog = game.MakeFrog(track.GetPiranha()->GetX() - 10.0f, static_cast<float>(track.GetCenterY()));
    track.Advance(0.02f, true);
    EXPECT_EQ(frog.PendingCommand(), FS_KILL_PIRANHA);
    // In state 3 it jumps 1200 units to the right and is removed in the same frame; with the
    // attempt timer still running a fresh one comes in at once.
    const Piranha* now = track.GetPiranha();
    if (now != nullptr) {
        EXPECT_EQ(now->GetState(), Piranha::kStateSwimming);
        EXPECT_LT(now->GetX(), 1000.0f);
    }
}

TEST(ObjectTrack, APiranhaLeavesAMovingFrogAlone) {
    UseConfig({{"spawnPiranhaChancePerMill", "1000"}, {"MinSpawnInterval_04_01", "100"}});
    TestContext game;
    game.BuildLevel(4);
    ObjectTrack& track = Track(game, 0, 1);
    track.Advance(2.01f, true);
    ASSERT_NE(track.GetPiranha(), nullptr);
    Frog& frog = game.MakeFrog(track.GetPiranha()->GetX() - 10.0f, static_cast<float>(track.GetCenterY()));
    frog.SetState(FS_MOVE_UP);
    track.Advance(0.02f, true);
    EXPECT_FALSE(frog.PendingCommand().has_value());
}

TEST(ObjectTrack, ScaleSpeedCompounds) {
    UseConfig();
    TestContext game;
    game.BuildLevel();
    ObjectTrack& track = Track(game, 0, 1);
    track.ScaleSpeed(2.0f);
    EXPECT_FLOAT_EQ(track.GetSpeed(), 200.0f);
    EXPECT_FLOAT_EQ(track.GetSpawnParameters().minSpawnInterval, 0.5f);
    EXPECT_FLOAT_EQ(track.GetSpawnParameters().maxSpawnInterval, 1.5f);
    track.ScaleSpeed(2.0f);
    EXPECT_FLOAT_EQ(track.GetSpeed(), 400.0f);
    EXPECT_FLOAT_EQ(track.GetPiranhaSpeed(), -50.0f);
    EXPECT_FLOAT_EQ(track.GetSpawnParameters().attemptInterval, 2.0f);
}

TEST(ObjectTrack, FindsWhatIsThereNowAndWhatWillBeThere) {
    UseConfig();
    TestContext game;
    game.BuildLevel();
    ObjectTrack& track = Track(game, 0, 1);  // runs right at 100
    TrackObject* trunk = track.AddObject(std::make_unique<Trunk>("Trunk"), false);
    trunk->SetExtent(100, 40);
    trunk->SetX(300.0f);
    const int y = track.GetCenterY();
    EXPECT_EQ(track.FindObjectAt(350, y), trunk);
    EXPECT_EQ(track.FindObjectAt(351, y), nullptr);
    EXPECT_EQ(track.FindObjectAfter(400, y, 0.5f), trunk);  // it will have moved 50
    EXPECT_EQ(track.FindObjectAfter(401, y, 0.5f), nullptr);
    EXPECT_FLOAT_EQ(track.DistanceToNearestObject(303.0f, static_cast<float>(y) + 4.0f), 5.0f);
    EXPECT_TRUE(track.IsOnTrack(0, 2 * 75));
    EXPECT_FALSE(track.IsOnTrack(0, 2 * 75 - 1));
    EXPECT_EQ(game.world.FindTrackObjectAt(350, y), trunk);
    EXPECT_EQ(game.world.FindTrackObjectAt(350, y + 75), nullptr);
}
