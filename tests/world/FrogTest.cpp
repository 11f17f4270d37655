#include <gtest/gtest.h>

#include <memory>

#include "world/objects/Box.h"
#include "world/objects/Car.h"
#include "world/objects/InvisibleBlockObject.h"
#include "world/objects/Trunk.h"
#include "world/objects/Truck.h"
#include "world/objects/WaterLily.h"
#include "world/Area.h"
#include "world/BlockInfo.h"
#include "world/FrogCollisions.h"
#include "world/ObjectTrack.h"
#include "WorldTestSupport.h"

using worldtest::TestContext;
using worldtest::UseConfig;

namespace {

// Rows are 75 units: row 0 (y 37) the start strip, rows 1 … 4 (y 112 … 337) a road, row 5 grass,
// rows 6 … 9 (y 487 … 712) a river, row 10 grass. Every frog animation lasts one second.
constexpr float kRow0 = 37.0f;
constexpr float kRoad0 = 112.0f;
constexpr float kRiver0 = 487.0f;

class FrogTest : public testing::Test {
protected:
    void SetUp() override {
        std::map<std::string, std::string> frogKeys = {
            {"frogRocketJumpInterval", "0.5"}, {"catchInsectsDistance", "60"}, {"frogStartCellLat_00_00", "10"},
            {"frogStartCellLong_00_00", "0"},  {"frogObjectWidth", "30"},      {"frogObjectHeight", "30"},
            {"frogDefaultOffsetX", "-20"},     {"frogDefaultOffsetY", "20"},   {"HammerDownOffsetX", "0"},
            {"HammerDownOffsetY", "0"},        {"explosionOffsetX", "0"},      {"explosionOffsetY", "0"},
            {"trackSpeed_00_00", "30.0"}};
        for (const char* state : {"idle",          "moveleft",
                                  "moveright",     "moveup",
                                  "movedown",      "movedowntruckdown",
                                  "moveuptruckup", "moveuptruckdown",
                                  "rocketjump",    "rocketjumpboarding",
                                  "catchinsect",   "pierced",
                                  "knockedover",   "drown",
                                  "finish",        "ingoal",
                                  "killboxdrown",  "killboxbomb",
                                  "killboxhammer", "killboxredbutton",
                                  "killpiranha"}) {
            frogKeys[std::string("frog") + state + "OffsetX"] = "0";
            frogKeys[std::string("frog") + state + "OffsetY"] = "0";
        }
        UseConfig(frogKeys);
        game.BuildLevel();
        for (const char* name : {"FROG_IDLE", "FROG_MOVE_UP", "FROG_MOVE_DOWN", "FROG_MOVE_LEFT", "FROG_MOVE_RIGHT",
                                 "FROG_MOVE_UP_TRUCK_UP", "FROG_MOVE_UP_TRUCK_DOWN", "FROG_MOVE_DOWN_TRUCK_DOWN",
                                 "FROG_ROCKET_JUMP", "FROG_ROCKET_JUMP_BOARDING", "FROG_KNOCKED_OVER", "FROG_DROWN",
                                 "FROG_KILL_PIRANHA", "FROG_KILL_BOX_DROWN", "FROG_PIERCED"}) {
            game.AddSprite(name, 40, 40, 1.0f);
        }
    }
    Frog& MakeFrog(float x, float y) {
        Frog& frog = game.MakeFrog(x, y);
        frog.SetContext(&game);
        frog.Restart();
        frog.SetPosition(x, y);
        frog.SetPreviousPosition(frog.GetRoundedPosition());
        return frog;
    }
    ObjectTrack& Track(int area, int track) {
        return *game.world.GetAreas()[static_cast<size_t>(area)]->GetTracks()[static_cast<size_t>(track)];
    }
    template <class T, class... Args>
    T& Add(int area, int track, float x, Args&&... args) {
        auto* object =
            static_cast<T*>(Track(area, track).AddObject(std::make_unique<T>(std::forward<Args>(args)...), false));
        object->SetX(x);
        return *object;
    }
    // Runs the frog for `seconds` in frames of 0.1 s.
    void Run(Frog& frog, float seconds) {
        for (float t = 0.0f; t < seconds - 1e-4f; t += 0.1f) frog.Update(0.1f);
    }

    TestContext game;
};

}  // namespace

TEST_F(FrogTest, KeysDuringAJumpAreGatedAt40PercentAndOnlyTheLastIsKept) {
    Frog& frog = MakeFrog(400.0f, kRow0);
    frog.RequestMove(FS_MOVE_UP);
    frog.Update(0.02f);
    ASSERT_EQ(frog.GetState(), FS_MOVE_UP);
    EXPECT_EQ(game.SoundCount("SOUND_FROG_MOVE"), 1);
    Run(frog, 0.3f);
    frog.RequestMove(FS_MOVE_LEFT);  // 30 %: dropped
    EXPECT_FALSE(frog.PendingCommand().has_value());
    EXPECT_EQ(frog.GetVisiblePosition().y, 37 + 22);  // seen 30 % of the way up
    Run(frog, 0.2f);
    frog.RequestMove(FS_MOVE_RIGHT);  // 50 %: kept for after the landing …
    frog.RequestMove(FS_MOVE_LEFT);   // … and replaced by the later key
    Run(frog, 0.5f);
    EXPECT_EQ(frog.GetRoundedPosition().y, 112);
    EXPECT_EQ(frog.GetState(), FS_IDLE);
    frog.Update(0.02f);
    EXPECT_EQ(frog.GetState(), FS_MOVE_LEFT);
}

TEST_F(FrogTest, RefusedMovesLeaveTheFrogIdleWhereItWas) {
    struct Case {
        const char* why;
        float x, y;
        int command;
        float scrollY;
        bool blockDestination;
    };
    const Case cases[] = {
        {"below the grid", 400.0f, kRow0, FS_MOVE_DOWN, 0.0f, false},
        {"past the left edge", 20.0f, kRow0, FS_MOVE_LEFT, 0.0f, false},
        {"the frog below the screen", 400.0f, kRow0, FS_MOVE_UP, 100.0f, false},
        {"a blocker on the destination", 400.0f, kRow0, FS_MOVE_UP, 0.0f, true},
    };
    for (const Case& c : cases) {
        game.sounds.clear();
        game.scroll = {0.0f, c.scrollY};
        std::unique_ptr<InvisibleBlockObject> blocker;
        if (c.blockDestination) {
            blocker = std::make_unique<InvisibleBlockObject>("Blocker");
            blocker->SetBlockRect(400, static_cast<int>(kRoad0), 40, 75);
        }
        Frog& frog = MakeFrog(c.x, c.y);
        frog.QueueCommand(c.command);
        frog.Update(0.02f);
        EXPECT_EQ(frog.GetState(), FS_IDLE) << c.why;
        EXPECT_EQ(frog.GetRoundedPosition().x, static_cast<int>(c.x)) << c.why;
        EXPECT_EQ(game.SoundCount("SOUND_FROG_BLOCKED_MOVE"), 1) << c.why;
    }
}

TEST_F(FrogTest, SidewaysJumpsKeepRidingATrunkAndUpwardJumpsLeaveIt) {
    Trunk& trunk = Add<Trunk>(1, 0, 300.0f, "Trunk");
    const float speed = trunk.GetSpeed();
    Frog& frog = MakeFrog(300.0f, kRiver0);
    frog.SetCarrier(&trunk);
    frog.QueueCommand(FS_MOVE_LEFT);
    frog.Update(0.0f);
    ASSERT_EQ(frog.GetState(), FS_MOVE_LEFT);
    Run(frog, 1.0f);
    EXPECT_EQ(frog.GetCarrier(), &trunk);
    EXPECT_NEAR(frog.GetX(), 300.0f + speed * 1.0f - 40.0f, 0.01f);
    frog.QueueCommand(FS_MOVE_UP);
    frog.Update(0.0f);
    EXPECT_EQ(frog.GetState(), FS_MOVE_UP);
    EXPECT_EQ(frog.GetCarrier(), nullptr);
    EXPECT_FALSE(trunk.IsFrogAboard());
}

TEST_F(FrogTest, SnappingObjectsRefuseSidewaysJumpsAndSteerTheLanding) {
    WaterLily& lily = Add<WaterLily>(1, 0, 400.0f, "WaterLily");
    Frog& frog = MakeFrog(400.0f, kRiver0);
    frog.SetCarrier(&lily);
    frog.QueueCommand(FS_MOVE_RIGHT);
    frog.Update(0.0f);
    EXPECT_EQ(frog.GetState(), FS_IDLE);
    EXPECT_EQ(game.SoundCount("SOUND_FROG_BLOCKED_MOVE"), 1);

    // From the grass below, a jump up lands on the lily wherever it has drifted.
    WaterLily& target = Add<WaterLily>(1, 0, 0.0f, "WaterLily");
    target.SetX(390.0f - target.GetSpeed() * 1.0f);  // at 390 when the jump lands
    Frog& jumper = MakeFrog(400.0f, 412.0f);
    jumper.QueueCommand(FS_MOVE_UP);
    jumper.Update(0.0f);
    ASSERT_EQ(jumper.GetTarget(), &target);
    for (int i = 0; i < 10; ++i) {
        target.MoveX(target.GetSpeed() * 0.1f);
        jumper.Update(0.1f);
    }
    EXPECT_EQ(jumper.GetCarrier(), &target);
    EXPECT_EQ(jumper.GetRoundedPosition().x, static_cast<int>(target.GetX() + target.GetFrogLandingOffsetX()));
}

TEST_F(FrogTest, TrucksAreBoardedFromBelowOnly) {
    Truck& truck = Add<Truck>(0, 0, 400.0f, "Truck", KIND_TRUCK_GARBAGE);
    // The rear half now and a second later (the track runs at 30): not blocked, and the truck is
    // what the frog will land on.
    const float rear = truck.GetSpeed() > 0.0f ? 380.0f : 420.0f;
    Frog& frog = MakeFrog(rear, kRow0);
    frog.QueueCommand(FS_MOVE_UP);
    frog.Update(0.0f);
    EXPECT_EQ(frog.GetState(), FS_MOVE_UP_TRUCK_UP);
    EXPECT_EQ(frog.GetTarget(), &truck);

    Frog& beside = MakeFrog(rear + (truck.GetSpeed() > 0.0f ? -40.0f : 40.0f), kRoad0);
    beside.QueueCommand(truck.GetSpeed() > 0.0f ? FS_MOVE_RIGHT : FS_MOVE_LEFT);
    beside.Update(0.0f);
    EXPECT_EQ(beside.GetState(), FS_IDLE);
}

TEST_F(FrogTest, OnATruckUpRocketJumpsOrHopsShortBeforeWater) {
    struct Case {
        const char* why;
        int track;        // road track the riding truck is on
        bool truckAbove;  // another truck 140 units up
        int expected;
    };
    const Case cases[] = {
        {"clear and dry 140 up", 0, false, FS_ROCKET_JUMP},
        {"another truck there", 0, true, FS_ROCKET_JUMP_BOARDING},
        {"water 140 up", 3, false, FS_MOVE_UP_TRUCK_DOWN},
    };
    for (const Case& c : cases) {
        BlockInfo::Instance().ClearBlockers();
        game.BuildLevel();
        game.sounds.clear();
        Truck& truck = Add<Truck>(0, c.track, 400.0f, "Truck", KIND_TRUCK_ELECTRIC);
        if (c.truckAbove) Add<Truck>(0, c.track + 2, 400.0f, "Truck", KIND_TRUCK_AQUARIUM);
        Frog& frog = MakeFrog(400.0f, static_cast<float>(Track(0, c.track).GetCenterY()));
        frog.SetCarrier(&truck);
        frog.QueueCommand(FS_MOVE_UP);
        frog.Update(0.0f);
        EXPECT_EQ(frog.GetState(), c.expected) << c.why;
        EXPECT_EQ(frog.GetCarrier(), nullptr) << c.why;
        EXPECT_EQ(game.SoundCount("SOUND_FROG_JUMP"), c.expected == FS_MOVE_UP_TRUCK_DOWN ? 0 : 1) << c.why;
    }
}

TEST_F(FrogTest, CollisionsInTheirOrder) {
    // Traffic kills an idle frog on the road with the car's crash sound …
    Car& car = Add<Car>(0, 1, 400.0f, "SmallCar", KIND_SMALL_CAR);
    const float carY = static_cast<float>(Track(0, 1).GetCenterY());
    Frog& hit = MakeFrog(400.0f, carY);
    EXPECT_TRUE(CheckFrogCollisions(hit, game.world, game));
    EXPECT_EQ(hit.GetState(), FS_KNOCKED_OVER);
    EXPECT_EQ(game.SoundCount("SOUND_SMALL_CAR_CRASH"), 1);
    // … but not one in a rocket jump, nor one riding.
    Frog& flying = MakeFrog(400.0f, carY);
    flying.SetState(FS_ROCKET_JUMP);
    EXPECT_FALSE(CheckFrogCollisions(flying, game.world, game));
    (void)car;

    // Water drowns only the idle frog without a floating carrier.
    WaterLily& lily = Add<WaterLily>(1, 0, 300.0f, "WaterLily");
    Frog& onLily = MakeFrog(300.0f, kRiver0);
    onLily.SetCarrier(&lily);
    EXPECT_FALSE(CheckFrogCollisions(onLily, game.world, game));
    lily.SetState(RiverObject::kStateUnderWater);
    EXPECT_TRUE(CheckFrogCollisions(onLily, game.world, game));
    EXPECT_EQ(onLily.GetState(), FS_DROWN);
    Frog& jumping = MakeFrog(600.0f, kRiver0);
    jumping.SetState(FS_MOVE_UP);
    EXPECT_FALSE(CheckFrogCollisions(jumping, game.world, game));

    // Carried off the left edge: knocked over without a crash.
    game.sounds.clear();
    Frog& carried = MakeFrog(-5.0f, kRiver0);
    EXPECT_TRUE(CheckFrogCollisions(carried, game.world, game));
    EXPECT_EQ(carried.GetState(), FS_KNOCKED_OVER);
    EXPECT_EQ(game.SoundCount("SOUND_FROG_KNOCKED_OVER"), 1);
    EXPECT_EQ(game.sounds.size(), 1u);
}

// A carrier steps the frog past a side (a jump steered onto a truck that drives off the left
// edge took it to x = -1.16): it is knocked over lying on the edge's last unit, never beyond it,
// on either side. Half a unit over the edge it still stands on the first or last unit and lives.
TEST_F(FrogTest, AFrogCarriedOffASideLiesOnTheEdgeItCrossed) {
    BlockInfo::Instance().ClearBlockers();
    const WorldGrid& grid = game.world.GetGrid();
    const float right = static_cast<float>(grid.WidthUnits());
    struct Case {
        const char* why;
        float x;
        bool knockedOver;
        float liesAt;
    };
    const Case cases[] = {
        {"a quarter unit left of the edge", -0.27f, false, -0.27f},
        {"a carrier's step past the left edge", -1.16f, true, 0.0f},
        {"far past the left edge", -5.0f, true, 0.0f},
        {"on the last unit", right - 0.6f, false, right - 0.6f},
        {"a carrier's step past the right edge", right - 0.4f, true, right - 1.0f},
        {"far past the right edge", right + 5.0f, true, right - 1.0f},
    };
    for (const Case& c : cases) {
        Frog& frog = MakeFrog(c.x, kRow0);
        EXPECT_EQ(CheckFrogCollisions(frog, game.world, game), c.knockedOver) << c.why;
        EXPECT_EQ(frog.GetState(), c.knockedOver ? FS_KNOCKED_OVER : FS_IDLE) << c.why;
        EXPECT_FLOAT_EQ(frog.GetX(), c.liesAt) << c.why;
        EXPECT_FLOAT_EQ(frog.GetY(), kRow0) << c.why;
        const IntPoint at = frog.GetRoundedPosition();
        EXPECT_FALSE(grid.IsOutside(at.x, at.y)) << c.why;
    }
}

TEST_F(FrogTest, TimeOutKnocksTheFrogOverWhereItWasSeen) {
    Frog& frog = MakeFrog(400.0f, kRow0);
    frog.QueueCommand(FS_MOVE_UP);
    frog.Update(0.0f);
    Run(frog, 0.5f);
    game.world.GetLevelInfo().timeLeftSeconds = -0.01f;
    EXPECT_TRUE(CheckFrogCollisions(frog, game.world, game));
    EXPECT_EQ(frog.GetState(), FS_KNOCKED_OVER);
    // Drawn where it was seen: half of the 75-unit jump added to its state offset.
    EXPECT_EQ(frog.GetRoundedPosition().y, 37);
    frog.Update(0.0f);
    EXPECT_EQ(frog.GetOffsetY(), 20 + 37);
}

TEST_F(FrogTest, DeathCommandsEndWithAnimationDone) {
    struct Case {
        int command;
        int carrierKind;  // -1: no carrier
        const char* sound;
    };
    const Case cases[] = {
        {FS_KILL_PIRANHA, -1, "SOUND_FROG_KILL_PIRANHA"},
        {FS_KILL_BOX_DROWN, KIND_BOX_BOMB, "SOUND_FROG_KILL_BOX_DROWN"},
        {FS_KILL_TRUCK_ELECTRIC, KIND_TRUCK_ELECTRIC, "SOUND_FROG_KILL_ELECTRIC"},
    };
    for (const Case& c : cases) {
        game.sounds.clear();
        game.dyingCalls = 0;
        Frog& frog = MakeFrog(300.0f, c.carrierKind == KIND_TRUCK_ELECTRIC ? kRoad0 : kRiver0);
        TrackObject* carrier = nullptr;
        if (c.carrierKind == KIND_BOX_BOMB) carrier = &Add<Box>(1, 0, 300.0f, "Box", c.carrierKind);
        if (c.carrierKind == KIND_TRUCK_ELECTRIC) carrier = &Add<Truck>(0, 0, 300.0f, "Truck", c.carrierKind);
        frog.SetCarrier(carrier);
        frog.QueueCommand(c.command);
        frog.Update(0.0f);
        EXPECT_EQ(frog.GetState(), c.command);
        EXPECT_EQ(game.dyingCalls, 1) << c.command;
        EXPECT_EQ(game.SoundCount(c.sound), 1) << c.command;
        if (c.carrierKind == KIND_TRUCK_ELECTRIC) {
            EXPECT_EQ(carrier->GetState(), Truck::kStateKilling);
            frog.Update(0.1f);
            EXPECT_FALSE(frog.IsAnimationDone());  // held while the truck kills
            carrier->SetState(2);
        }
        Run(frog, 1.0f);
        EXPECT_TRUE(frog.IsAnimationDone()) << c.command;
    }
}

TEST_F(FrogTest, ImpossibleCommandsSayWhichAndQuit) {
    Frog& frog = MakeFrog(400.0f, kRow0);
    testing::internal::CaptureStderr();
    frog.QueueCommand(99);
    frog.Update(0.0f);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("frog: impossible command 99"), std::string::npos);
}

TEST_F(FrogTest, ABoxKillOfAFrogOnThatBoxEnds) {
    struct Case {
        const char* why;
        float frogY;    // row 5 grass, row 6 the trunk lane, row 7 the box lane
        int boxTrack;   // river track of the box
        bool onTrunk;   // the frog rides a trunk on track 0 of the river
        bool ridesBox;  // the frog already rides the box when its kill arrives
    };
    const Case cases[] = {
        {"jumping up from the grass below", 412.0f, 0, false, false},
        {"jumping up from a trunk below", kRiver0, 1, true, false},
        {"riding the box", kRiver0 + 75.0f, 1, false, true},
    };
    for (const Case& c : cases) {
        BlockInfo::Instance().ClearBlockers();
        game.BuildLevel();
        game.gameState = kStatePlaying;
        game.dyingCalls = 0;
        game.AddSprite("BOX_HAMMER_KILL", 60, 60, 1.5f);  // outlasts the frog's jump
        Frog& frog = MakeFrog(400.0f, c.frogY);
        if (c.onTrunk) frog.SetCarrier(&Add<Trunk>(1, 0, 400.0f, "Trunk"));
        Box& box = Add<Box>(1, c.boxTrack, 400.0f, "BoxHammer", KIND_BOX_HAMMER);
        if (c.ridesBox) {
            frog.SetCarrier(&box);
            // What the pass-over strike does.
            frog.QueueCommand(box.KillCommand());
            frog.SetKillingBox(&box);
            box.SetState(Box::kStateKilling);
        } else {
            // Where the box will be when the one-second jump lands, the frog jumps.
            box.SetX(400.0f - box.GetSpeed() * 1.0f);
            frog.QueueCommand(FS_MOVE_UP);
        }
        // Frames as the game plays them; once the frog dies, the tracks stand unless forced.
        bool dying = false;
        for (int frame = 0; frame < 250 && !frog.IsAnimationDone(); ++frame) {
            const bool first = game.world.DrawsFrogUnderTraffic(frog);
            if (first) frog.Update(0.02f);
            game.world.UpdateAreas(0.02f, !dying);
            if (!first) frog.Update(0.02f);
            if (!dying && (game.dyingCalls > 0 || CheckFrogCollisions(frog, game.world, game))) {
                dying = true;
                game.gameState = kStateFrogDying;
            }
        }
        EXPECT_EQ(frog.GetState(), FS_KILL_BOX_HAMMER) << c.why;
        EXPECT_TRUE(frog.IsAnimationDone()) << c.why;
        EXPECT_EQ(frog.GetKillingBox(), nullptr) << c.why;
        EXPECT_EQ(game.dyingCalls, 1) << c.why;
    }
}

TEST_F(FrogTest, ARefusedJumpOntoATruckLeavesTheFrogOpenToTraffic) {
    struct Case {
        const char* why;
        int track;        // road track the frog stands on; the truck runs on track 0
        bool fromBehind;  // beside the truck's rear rather than above it
        int command;
    };
    const Case cases[] = {
        {"sideways onto the rear", 0, true, 0},
        {"down onto the rear", 1, false, FS_MOVE_DOWN},
    };
    for (const Case& c : cases) {
        BlockInfo::Instance().ClearBlockers();
        game.BuildLevel();
        Truck& truck = Add<Truck>(0, 0, 400.0f, "Truck", KIND_TRUCK_GARBAGE);
        const bool right = truck.GetSpeed() > 0.0f;
        const float rear = right ? 380.0f : 420.0f;
        const float x = c.fromBehind ? rear + (right ? -40.0f : 40.0f) : rear;
        Frog& frog = MakeFrog(x, static_cast<float>(Track(0, c.track).GetCenterY()));
        frog.QueueCommand(c.fromBehind ? (right ? FS_MOVE_RIGHT : FS_MOVE_LEFT) : c.command);
        frog.Update(0.0f);
        EXPECT_EQ(frog.GetState(), FS_IDLE) << c.why;
        EXPECT_EQ(frog.GetTarget(), nullptr) << c.why;
        // A car that reaches the frog now knocks it over.
        Add<Car>(0, c.track, x, "SmallCar", KIND_SMALL_CAR);
        EXPECT_TRUE(CheckFrogCollisions(frog, game.world, game)) << c.why;
        EXPECT_EQ(frog.GetState(), FS_KNOCKED_OVER) << c.why;
    }
}

TEST_F(FrogTest, AFrogAtRestCroaksOnceAndAgainEachTimeItsAnimationStartsOver) {
    // Counted in the frog's own time, whatever the sound device says about the croak still playing,
    // so a replay starts the croak on the same ticks as the game it recorded.
    Frog& frog = MakeFrog(400.0f, kRow0);
    Run(frog, 0.5f);
    EXPECT_EQ(game.SoundCount("SOUND_FROG_IDLE"), 1);
    Run(frog, 0.4f);
    EXPECT_EQ(game.SoundCount("SOUND_FROG_IDLE"), 1);
    Run(frog, 0.3f);  // the one-second animation started over
    EXPECT_EQ(game.SoundCount("SOUND_FROG_IDLE"), 2);
    frog.RequestMove(FS_MOVE_UP);
    Run(frog, 1.2f);  // a jump, then at rest again on the next row
    ASSERT_EQ(frog.GetState(), FS_IDLE);
    EXPECT_EQ(game.SoundCount("SOUND_FROG_IDLE"), 3);
}
