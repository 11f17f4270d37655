#include "world/objects/TrackObjectFactory.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "core/Randomizer.h"
#include "world/objects/TrackObject.h"
#include "platform/Messages.h"
#include "world/Area.h"
#include "world/ObjectTrack.h"
#include "WorldTestSupport.h"

using worldtest::TestContext;
using worldtest::UseConfig;

namespace {
constexpr int kDraws = 4000;

std::map<int, int> Kinds(TestContext& game, int area, int track, bool river) {
    const ObjectTrack& lane =
        *game.world.GetAreas()[static_cast<size_t>(area)]->GetTracks()[static_cast<size_t>(track)];
    TrackObjectFactory& factory = TrackObjectFactory::Instance();
    std::map<int, int> counts;
    for (int i = 0; i < kDraws; ++i) {
        auto object = river ? factory.CreateRiverObject(lane) : factory.CreateRoadObject(lane);
        ++counts[object->GetKind()];
    }
    return counts;
}
}  // namespace

TEST(TrackObjectFactory, WithNoTrucksOrBoxesCarsAndFloatersWithTheTrunkBias) {
    UseConfig();
    TestContext game;
    game.BuildLevel();
    TrackObjectFactory::Instance().LoadFrequencies();
    Randomizer::Instance().Seed(12345);
    const auto road = Kinds(game, 0, 1, false);
    for (const auto& [kind, count] : road) EXPECT_LE(kind, KIND_SMALL_CAR);
    for (int kind = 0; kind <= 2; ++kind) EXPECT_NEAR(road.at(kind) / double(kDraws), 1.0 / 3.0, 0.03);

    const auto river = Kinds(game, 1, 1, true);
    for (const auto& [kind, count] : river) {
        EXPECT_GE(kind, KIND_TRUNK);
        EXPECT_LE(kind, KIND_WATER_LILY);
    }
    EXPECT_NEAR(river.at(KIND_TRUNK) / double(kDraws), 0.2875, 0.025);
    for (int kind : {KIND_BARREL, KIND_HIPPO, KIND_WATER_LILY}) {
        EXPECT_NEAR(river.at(kind) / double(kDraws), 0.2375, 0.025) << kind;
    }
}

TEST(TrackObjectFactory, AlwaysTrucksAndBoxesAtOneHundredPercent) {
    std::map<std::string, std::string> config;
    for (int a = 0; a < 6; ++a) {
        for (int f = 0; f < 2; ++f) {
            config[StringFormat("relFrequTruckPerCent_A%02d_F%02d", a, f)] = "100";
            config[StringFormat("relFrequBoxPerCent_A%02d_F%02d", a, f)] = "100";
        }
    }
    UseConfig(config);
    TestContext game;
    game.BuildLevel();
    TrackObjectFactory::Instance().LoadFrequencies();
    // The first area only has garbage trucks.
    const auto first = Kinds(game, 0, 0, false);
    EXPECT_EQ(first.size(), 1u);
    EXPECT_EQ(first.count(KIND_TRUCK_GARBAGE), 1u);
    // The first track of a river area never carries boxes; the others carry nothing else.
    for (const auto& [kind, count] : Kinds(game, 1, 0, true)) EXPECT_LE(kind, KIND_WATER_LILY);
    const auto boxes = Kinds(game, 1, 2, true);
    EXPECT_EQ(boxes.size(), 3u);
    for (const auto& [kind, count] : boxes) EXPECT_GE(kind, KIND_BOX_HAMMER);

    // Area 1 adds two liveries, areas from 2 on all five.
    TestContext later;
    later.BuildLevel(1);
    const auto second = Kinds(later, 0, 0, false);  // area 1
    EXPECT_EQ(second.size(), 3u);
    EXPECT_EQ(second.rbegin()->first, KIND_TRUCK_ELECTRIC);
    const auto third = Kinds(later, 1, 0, false);  // area 2, a road
    EXPECT_EQ(third.size(), 5u);
}

TEST(TrackObjectFactory, EachFrogHomeMovesToTheNextColumn) {
    UseConfig({{"relFrequTruckPerCent_A00_F00", "0"}, {"relFrequTruckPerCent_A00_F01", "100"}});
    TestContext game;
    game.BuildLevel();
    TrackObjectFactory::Instance().LoadFrequencies();
    EXPECT_LE(Kinds(game, 0, 0, false).rbegin()->first, KIND_SMALL_CAR);
    game.world.GetLevelInfo().frogsLeftToGoal = 1;
    EXPECT_EQ(Kinds(game, 0, 0, false).begin()->first, KIND_TRUCK_GARBAGE);
    // All frogs home (the goal animation still runs): the last column, not past it.
    game.world.GetLevelInfo().frogsLeftToGoal = 0;
    EXPECT_EQ(Kinds(game, 0, 0, false).begin()->first, KIND_TRUCK_GARBAGE);
}

TEST(TrackObjectFactory, AnImpossibleKindQuitsButStillGivesAnObject) {
    platform::ResetQuitState();
    testing::internal::CaptureStderr();
    auto road = TrackObjectFactory::Instance().CreateObject(99, false);
    auto river = TrackObjectFactory::Instance().CreateObject(-3, true);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("99"), std::string::npos);
    EXPECT_EQ(road->GetName(), "Maleformed");
    EXPECT_EQ(road->GetKind(), KIND_SMALL_CAR);
    EXPECT_EQ(river->GetKind(), KIND_TRUNK);
    EXPECT_TRUE(platform::IsQuitPosted());
    EXPECT_EQ(platform::GetQuitExitCode(), -1);
    platform::ResetQuitState();
}
