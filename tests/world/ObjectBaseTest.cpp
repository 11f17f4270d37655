#include <gtest/gtest.h>

#include <memory>

#include "world/objects/Barrel.h"
#include "world/objects/Trunk.h"
#include "world/Area.h"
#include "world/ObjectTrack.h"
#include "WorldTestSupport.h"

using worldtest::TestContext;
using worldtest::UseConfig;

namespace {
// The lowest track of area 1 (river) runs left on row 6; the one above runs right on row 7.
ObjectTrack& Track(TestContext& game, int area, int track) {
    return *game.world.GetAreas()[static_cast<size_t>(area)]->GetTracks()[static_cast<size_t>(track)];
}
}  // namespace

TEST(GameObject, SettingTheSameStateKeepsTheTimer) {
    Trunk object("Trunk");
    object.SetState(2);
    object.Update(0.5f);
    EXPECT_EQ(object.SetState(2), 2);
    EXPECT_FLOAT_EQ(object.GetStateTime(), 0.5f);
    object.SetState(3);
    EXPECT_FLOAT_EQ(object.GetStateTime(), 0.0f);
}

TEST(VisualObject, ContainsCountsTheEdgesOfTheCentredRectangle) {
    Trunk object("Trunk");
    object.SetPosition(100.0f, 50.0f);
    EXPECT_TRUE(object.Contains(100, 50));  // default size 1: only the centre
    EXPECT_FALSE(object.Contains(101, 50));
    object.SetExtent(10, 4);
    struct Case {
        int dx, dy;
        bool inside;
    };
    const Case cases[] = {{-5, 0, true}, {5, 0, true},  {-6, 0, false}, {6, 0, false},
                          {0, 2, true},  {0, -2, true}, {0, 3, false},  {5, -2, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(object.Contains(100 + c.dx, 50 + c.dy), c.inside) << c.dx << "," << c.dy;
    }
    object.SetExtent(0, 0);
    EXPECT_TRUE(object.Contains(100, 50));
    EXPECT_FALSE(object.Contains(100, 51));
}

TEST(VisualObject, RoundedPositionIsFloorOfValuePlusHalf) {
    Trunk object("Trunk");
    object.SetPosition(2.5f, -2.5f);
    EXPECT_EQ(object.GetRoundedPosition(), (IntPoint{3, -2}));
    object.SetPosition(2.49f, -2.51f);
    EXPECT_EQ(object.GetRoundedPosition(), (IntPoint{2, -3}));
}

TEST(TrackObject, AttachPutsTheObjectOnItsEntryEdgeAndCentreRow) {
    UseConfig();
    TestContext game;
    game.BuildLevel();
    ObjectTrack& left = Track(game, 1, 0);
    ObjectTrack& right = Track(game, 1, 1);
    ASSERT_EQ(left.GetDirection(), ObjectTrack::kDirectionLeft);
    TrackObject* a = left.AddObject(std::make_unique<Trunk>("Trunk"), false);
    TrackObject* b = right.AddObject(std::make_unique<Trunk>("Trunk"), false);
    EXPECT_FLOAT_EQ(a->GetX(), 800.0f);
    EXPECT_FLOAT_EQ(b->GetX(), 0.0f);
    EXPECT_FLOAT_EQ(a->GetY(), 6 * 75 + 37);
    EXPECT_EQ(a->GetState(), 2);
    EXPECT_FLOAT_EQ(a->GetSpeed(), -100.0f);
    EXPECT_FLOAT_EQ(b->GetSpeed(), 100.0f);
}

TEST(TrackObject, DrawsAtItsScrolledPositionMirroredOnLeftRunningTracks) {
    UseConfig();
    TestContext game;
    game.BuildLevel();
    game.AddSprite("TRUNK_SWIMMING");
    ObjectTrack& track = Track(game, 1, 0);
    track.GetArea();
    // A hippo uses the base rule; the trunk is symmetric and never mirrored.
    TrackObject* trunk = track.AddObject(std::make_unique<Trunk>("Trunk"), false);
    trunk->SetPosition(300.4f, 487.0f);
    trunk->SetOffset(-80, 20);
    game.scroll = {0.0f, 99.6f};
    trunk->Update(0.25f);
    const auto& draws = game.sprites["trunkswimming"]->draws;
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].params.flags, 0x4u);
    EXPECT_EQ(draws[0].params.dstX, -80 + 300);
    EXPECT_EQ(draws[0].params.dstY, 600 - 20 - (487 - 100));
    EXPECT_FLOAT_EQ(draws[0].time, 0.25f);
    EXPECT_TRUE(game.Requested("trunkswimming"));
    EXPECT_FALSE(game.Requested("trunkswimmingmirrored"));
}

TEST(TrackObject, DestroyingTheObjectTheFrogRidesLeavesNoDanglingLinks) {
    UseConfig();
    TestContext game;
    game.BuildLevel();
    Frog& frog = game.MakeFrog(400.0f, 487.0f);
    auto barrel = std::make_unique<Barrel>("Barrel");
    barrel->AttachToTrack(Track(game, 1, 0), false);
    frog.SetCarrier(barrel.get());
    frog.SetTarget(barrel.get());
    EXPECT_TRUE(barrel->IsFrogAboard());
    barrel.reset();
    EXPECT_EQ(frog.GetCarrier(), nullptr);
    EXPECT_EQ(frog.GetTarget(), nullptr);
}

TEST(Frog, SetCarrierTellsBothObjects) {
    UseConfig();
    TestContext game;
    game.BuildLevel();
    Frog& frog = game.MakeFrog(400.0f, 487.0f);
    TrackObject* first = Track(game, 1, 0).AddObject(std::make_unique<Trunk>("Trunk"), false);
    TrackObject* second = Track(game, 1, 0).AddObject(std::make_unique<Trunk>("Trunk"), false);
    frog.SetCarrier(first);
    frog.SetCarrier(second);
    EXPECT_FALSE(first->IsFrogAboard());
    EXPECT_TRUE(second->IsFrogAboard());
    frog.SetCarrier(nullptr);
    EXPECT_FALSE(second->IsFrogAboard());
}
