#include <gtest/gtest.h>

#include <memory>

#include "world/objects/Car.h"
#include "world/objects/Truck.h"
#include "world/Area.h"
#include "world/BlockInfo.h"
#include "world/ObjectTrack.h"
#include "WorldTestSupport.h"

using worldtest::TestContext;
using worldtest::UseConfig;

namespace {
// Area 0 is a road: track 0 runs left, track 1 right.
ObjectTrack& RoadTrack(TestContext& game, int track) {
    return *game.world.GetAreas()[0]->GetTracks()[static_cast<size_t>(track)];
}

class RoadObjectTest : public testing::Test {
protected:
    void SetUp() override {
        BlockInfo::Instance().ClearBlockers();
        UseConfig();
        game.BuildLevel();
    }
    Truck& AddTruck(int track, int kind, float x) {
        auto* truck =
            static_cast<Truck*>(RoadTrack(game, track).AddObject(std::make_unique<Truck>("Truck", kind), false));
        truck->SetX(x);
        return *truck;
    }
    TestContext game;
};
}  // namespace

TEST_F(RoadObjectTest, OnlyTheFrontHalfOfATruckBlocks) {
    // 200 wide, 16 of the front half do not block: a left-running truck blocks x − 92 … x.
    const Truck& left = AddTruck(0, KIND_TRUCK_GARBAGE, 400.0f);
    const int y = RoadTrack(game, 0).GetCenterY();
    struct Case {
        int dx;
        bool blocks;
    };
    const Case leftCases[] = {{1, false}, {50, false}, {0, true}, {-1, true}, {-92, true}, {-93, false}};
    for (const Case& c : leftCases) EXPECT_EQ(left.IsBlocking(400 + c.dx, y), c.blocks) << c.dx;
    EXPECT_FALSE(left.IsBlocking(380, y + 29));  // above its 56-unit height

    const Truck& right = AddTruck(1, KIND_TRUCK_GARBAGE, 400.0f);
    const int y1 = RoadTrack(game, 1).GetCenterY();
    const Case rightCases[] = {{-1, false}, {0, true}, {92, true}, {93, false}};
    for (const Case& c : rightCases) EXPECT_EQ(right.IsBlocking(400 + c.dx, y1), c.blocks) << c.dx;
    // The rear half is still the truck: the frog finds it there to ride it.
    EXPECT_TRUE(right.Contains(300, y1));
    EXPECT_FALSE(right.Contains(301 + 92, y1 + 100));
}

TEST_F(RoadObjectTest, BlockingAfterLooksAtTheFutureRectangle) {
    Car& car =
        *static_cast<Car*>(RoadTrack(game, 1).AddObject(std::make_unique<Car>("SmallCar", KIND_SMALL_CAR), false));
    car.SetX(300.0f);  // 80 wide, moving right at 100
    const int y = RoadTrack(game, 1).GetCenterY();
    for (int x : {250, 260, 340, 341, 400}) {
        EXPECT_EQ(car.IsBlockingAfter(x, y, 0.0f), car.IsBlocking(x, y)) << x;
    }
    EXPECT_FALSE(car.IsBlocking(390, y));
    EXPECT_TRUE(car.IsBlockingAfter(390, y, 0.5f));
    EXPECT_FALSE(car.IsBlockingAfter(259, y, 0.5f) && car.IsBlockingAfter(259, y, 0.0f));
    EXPECT_TRUE(BlockInfo::Instance().IsBlockedAfter(390, y, 0.5f));
}

TEST_F(RoadObjectTest, ADestroyedVehicleNoLongerBlocks) {
    auto car = std::make_unique<Car>("RagtopOpen", KIND_RAGTOP_OPEN);
    car->AttachToTrack(RoadTrack(game, 1), false);
    car->SetX(300.0f);
    const int y = RoadTrack(game, 1).GetCenterY();
    EXPECT_TRUE(BlockInfo::Instance().IsBlocked(300, y));
    car.reset();
    EXPECT_FALSE(BlockInfo::Instance().IsBlocked(300, y));
}

TEST_F(RoadObjectTest, TheStarGoesToTheFirstLandingOnly) {
    Frog& frog = game.MakeFrog(400.0f, 100.0f);
    Truck& truck = AddTruck(1, KIND_TRUCK_GARBAGE, 400.0f);
    frog.SetCarrier(&truck);
    frog.SetCarrier(nullptr);
    frog.SetCarrier(&truck);
    EXPECT_EQ(game.stars, 1);
    EXPECT_EQ(game.SoundCount("SOUND_FROG_PICK_STAR"), 1);
    EXPECT_FALSE(truck.HasStar());
}

TEST_F(RoadObjectTest, EachLiveryKillsItsRiderWhenTheRideTimeIsUp) {
    struct Case {
        int kind;
        int command;
    };
    const Case cases[] = {{KIND_TRUCK_GARBAGE, 21},
                          {KIND_TRUCK_CHEZ_FRED, 19},
                          {KIND_TRUCK_ELECTRIC, 20},
                          {KIND_TRUCK_AQUARIUM, 17},
                          {KIND_TRUCK_CEMENT_MIXER, 18}};
    for (const Case& c : cases) {
        Frog& frog = game.MakeFrog(400.0f, 100.0f);
        Truck& truck = AddTruck(1, c.kind, 400.0f);
        frog.SetCarrier(&truck);
        for (int i = 0; i < 199; ++i) truck.Update(0.02f);  // 3.98 s of the 4 allowed
        EXPECT_FALSE(frog.PendingCommand().has_value()) << c.kind;
        truck.Update(0.03f);
        EXPECT_EQ(frog.PendingCommand(), c.command) << c.kind;
        frog.SetCarrier(nullptr);
    }
}

TEST_F(RoadObjectTest, ReboardingRestartsTheRideTimeAndNobodyElseIsKilled) {
    Frog& frog = game.MakeFrog(400.0f, 100.0f);
    Truck& truck = AddTruck(1, KIND_TRUCK_GARBAGE, 400.0f);
    frog.SetCarrier(&truck);
    truck.Update(3.0f);
    frog.SetCarrier(nullptr);
    for (int i = 0; i < 10; ++i) truck.Update(1.0f);  // nobody aboard: no kill
    frog.SetCarrier(&truck);
    EXPECT_FLOAT_EQ(truck.GetKillTimer(), 0.0f);
    truck.Update(3.0f);
    EXPECT_FALSE(frog.PendingCommand().has_value());
}

TEST_F(RoadObjectTest, TheKillAnimationRunsItsLengthThenTheTruckDrivesOn) {
    game.AddSprite("TRUCK_CEMENT_MIXER_KILL", 200, 60, 1.5f);
    game.AddSprite("FROG_LEG");
    Truck& truck = AddTruck(1, KIND_TRUCK_CEMENT_MIXER, 400.0f);
    truck.SetState(Truck::kStateKilling);
    truck.Update(1.0f);
    EXPECT_EQ(truck.GetState(), Truck::kStateKilling);
    EXPECT_EQ(game.sprites["frogleg"]->draws.size(), 1u);
    truck.Update(0.6f);
    truck.Update(0.0f);
    EXPECT_EQ(truck.GetState(), RoadObject::kStateDriving);
}

TEST_F(RoadObjectTest, ShadowsOnlyWhileTheOptionIsOn) {
    game.AddSprite("SHADOW_TRUCK");
    game.AddSprite("TRUCK_GARBAGE_DRIVE");
    game.AddSprite("STAR_TRUCK");
    Truck& truck = AddTruck(0, KIND_TRUCK_GARBAGE, 400.0f);  // runs left: mirrored sprites
    game.shadows = false;
    truck.Update(0.1f);
    EXPECT_FALSE(game.Requested("shadowtruckmirrored"));
    EXPECT_TRUE(game.Requested("truckgarbagedrivemirrored"));
    game.shadows = true;
    truck.Update(0.1f);
    EXPECT_TRUE(game.Requested("shadowtruckmirrored"));
    // The star is centred above the landing spot, which mirrors with the truck: +50 on a
    // left-running track.
    const auto& star = game.sprites["startruck"]->draws.back();
    EXPECT_EQ(star.params.flags, 0x24u);
    EXPECT_EQ(star.params.dstX, 400 + 50);
    EXPECT_EQ(star.params.dstY, 600 - (RoadTrack(game, 0).GetCenterY() + 14));
    EXPECT_FLOAT_EQ(star.time, 0.2f);
}
