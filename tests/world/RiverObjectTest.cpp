#include <gtest/gtest.h>

#include <memory>

#include "world/objects/Box.h"
#include "world/objects/Hippo.h"
#include "world/objects/WaterLily.h"
#include "world/Area.h"
#include "world/ObjectTrack.h"
#include "WorldTestSupport.h"

using worldtest::TestContext;
using worldtest::UseConfig;

namespace {
// Area 1 is a river on rows 6 … 9; area 0 a road on rows 1 … 4, grass on row 5.
class RiverObjectTest : public testing::Test {
protected:
    void SetUp() override {
        UseConfig();
        game.BuildLevel();
    }
    ObjectTrack& RiverTrack(int track) { return *game.world.GetAreas()[1]->GetTracks()[static_cast<size_t>(track)]; }
    template <class T, class... Args>
    T& Add(int track, float x, Args&&... args) {
        auto* object =
            static_cast<T*>(RiverTrack(track).AddObject(std::make_unique<T>(std::forward<Args>(args)...), false));
        object->SetX(x);
        return *object;
    }
    TestContext game;
};
}  // namespace

TEST_F(RiverObjectTest, ALilyDivesAfterAnUnbrokenStayAndHoppingOffStartsAfresh) {
    game.AddSprite("WATER_LILY_DIVING", 70, 60, 0.5f);
    Frog& frog = game.MakeFrog(400.0f, 487.0f);
    WaterLily& lily = Add<WaterLily>(0, 400.0f, "WaterLily");
    EXPECT_TRUE(lily.SnapsFrog());
    frog.SetCarrier(&lily);
    lily.Update(1.5f);
    frog.SetCarrier(nullptr);
    lily.Update(5.0f);  // nobody aboard: the count pauses
    EXPECT_EQ(lily.GetState(), RiverObject::kStateSwimming);
    frog.SetCarrier(&lily);
    lily.Update(1.5f);  // a fresh count: 1.5 of 2
    EXPECT_EQ(lily.GetState(), RiverObject::kStateSwimming);
    lily.Update(0.5f);
    EXPECT_EQ(lily.GetState(), RiverObject::kStateDiving);
    EXPECT_EQ(game.SoundCount("SOUND_DIVE"), 1);
    lily.Update(0.4f);
    EXPECT_EQ(lily.GetState(), RiverObject::kStateDiving);
    lily.Update(0.1f);  // the dive animation has played
    EXPECT_EQ(lily.GetState(), RiverObject::kStateUnderWater);
}

TEST_F(RiverObjectTest, AHippoDivesEvenWhenTheFrogHasLeft) {
    Frog& frog = game.MakeFrog(400.0f, 487.0f);
    Hippo& hippo = Add<Hippo>(0, 400.0f, "Hippo");
    EXPECT_FALSE(hippo.SnapsFrog());
    frog.SetCarrier(&hippo);
    EXPECT_EQ(hippo.GetState(), RiverObject::kStateAngryOrDrowning);
    EXPECT_EQ(game.SoundCount("SOUND_HIPPO_ANGRY"), 1);
    hippo.Update(1.0f);
    frog.SetCarrier(nullptr);
    hippo.Update(0.9f);
    EXPECT_EQ(hippo.GetState(), RiverObject::kStateAngryOrDrowning);
    hippo.Update(0.1f);
    EXPECT_EQ(hippo.GetState(), RiverObject::kStateDiving);
    EXPECT_EQ(game.SoundCount("SOUND_DIVE"), 1);
    EXPECT_EQ(hippo.GetOffsetX(), -75);
}

TEST_F(RiverObjectTest, LandingOnAnAngryHippoAgainRestartsItsWait) {
    Frog& frog = game.MakeFrog(400.0f, 487.0f);
    Hippo& hippo = Add<Hippo>(0, 400.0f, "Hippo");
    frog.SetCarrier(&hippo);
    hippo.Update(1.5f);
    frog.SetCarrier(nullptr);
    frog.SetCarrier(&hippo);
    hippo.Update(1.5f);
    EXPECT_EQ(hippo.GetState(), RiverObject::kStateAngryOrDrowning);
}

TEST_F(RiverObjectTest, ABoxKillsTheFrogOneRowBelowAcrossItsSweptSpan) {
    struct Case {
        int frogRow;
        float frogX;
        float frogPreviousX;
        bool killed;
    };
    // The box on row 7 moves right from 400 to 402 in the frame.
    const Case cases[] = {
        {6, 401.0f, 401.0f, true},   // under the swept span
        {6, 430.0f, 400.0f, true},   // only where it stood before
        {6, 402.0f, 300.0f, true},   // the span's far end
        {6, 403.0f, 403.0f, false},  // beside it
        {5, 401.0f, 401.0f, false},  // two rows below
        {7, 401.0f, 401.0f, false},  // on its own row
    };
    for (const Case& c : cases) {
        TestContext local;
        local.BuildLevel();
        ObjectTrack& track = *local.world.GetAreas()[1]->GetTracks()[1];  // row 7, runs right
        ASSERT_EQ(track.GetRow(), 7);
        Frog& frog = local.MakeFrog(c.frogX, static_cast<float>(c.frogRow * 75 + 37));
        frog.SetPreviousPosition({static_cast<int>(c.frogPreviousX), c.frogRow * 75 + 37});
        auto* box = static_cast<Box*>(track.AddObject(std::make_unique<Box>("BoxHammer", KIND_BOX_HAMMER), false));
        box->SetX(400.0f);
        box->MoveX(2.0f);
        box->Update(0.02f);
        EXPECT_EQ(frog.PendingCommand().has_value(), c.killed) << c.frogRow << " " << c.frogX;
        if (c.killed) {
            EXPECT_EQ(frog.PendingCommand(), FS_KILL_BOX_HAMMER);
            EXPECT_EQ(frog.GetKillingBox(), box);
            EXPECT_EQ(box->GetState(), Box::kStateKilling);
        }
    }
}

TEST_F(RiverObjectTest, OnlyPlayAndTheTitleMenuLetABoxStrike) {
    for (GameState state : {kStateFrogDying, kStateAfterDeath, kStatePaused}) {
        TestContext local;
        local.BuildLevel();
        local.gameState = state;
        Frog& frog = local.MakeFrog(400.0f, 6 * 75 + 37);
        auto* box = static_cast<Box*>(local.world.GetAreas()[1]->GetTracks()[1]->AddObject(
            std::make_unique<Box>("BoxBomb", KIND_BOX_BOMB), false));
        box->SetX(400.0f);
        box->Update(0.02f);
        EXPECT_FALSE(frog.PendingCommand().has_value()) << state;
        local.gameState = kStatePlaying;
        box->Update(0.02f);
        EXPECT_EQ(frog.PendingCommand(), FS_KILL_BOX_BOMB) << state;
    }
}

TEST_F(RiverObjectTest, TheKillCommandFollowsTheBoxKind) {
    const std::pair<int, int> kinds[] = {{KIND_BOX_HAMMER, 24}, {KIND_BOX_RED_BUTTON, 25}, {KIND_BOX_BOMB, 23}};
    for (const auto& [kind, command] : kinds) EXPECT_EQ(Box("Box", kind).KillCommand(), command);
}

TEST_F(RiverObjectTest, ABoxWhoseKillEndsIsRemovedAndFreesTheFrog) {
    game.AddSprite("BOX_BOMB_KILL", 60, 60, 0.5f);
    Frog& frog = game.MakeFrog(400.0f, 6 * 75 + 37);
    ObjectTrack& track = RiverTrack(1);
    auto* box = static_cast<Box*>(track.AddObject(std::make_unique<Box>("BoxBomb", KIND_BOX_BOMB), false));
    box->SetX(400.0f);
    box->Update(0.0f);
    ASSERT_EQ(frog.GetKillingBox(), box);
    frog.SetState(FS_KILL_BOX_BOMB);
    game.gameState = kStateFrogDying;
    // The track under the killing box stands still while the kill plays.
    const float x = box->GetX();
    track.Advance(0.3f, false);
    EXPECT_FLOAT_EQ(box->GetX(), x);
    EXPECT_EQ(track.GetObjects().size(), 1u);
    track.Advance(0.3f, false);
    EXPECT_TRUE(track.GetObjects().empty());
    EXPECT_EQ(frog.GetKillingBox(), nullptr);
}

TEST_F(RiverObjectTest, ADestroyedKillingBoxLeavesNoDanglingLink) {
    Frog& frog = game.MakeFrog(400.0f, 6 * 75 + 37);
    auto box = std::make_unique<Box>("BoxHammer", KIND_BOX_HAMMER);
    box->AttachToTrack(RiverTrack(1), false);
    box->SetX(400.0f);
    box->Update(0.0f);
    ASSERT_EQ(frog.GetKillingBox(), box.get());
    box.reset();
    EXPECT_EQ(frog.GetKillingBox(), nullptr);
}

TEST_F(RiverObjectTest, RidingABoxTooLongDrowns) {
    Frog& frog = game.MakeFrog(400.0f, 7 * 75 + 37);
    Box& box = Add<Box>(1, 400.0f, "BoxRedButton", KIND_BOX_RED_BUTTON);
    frog.SetCarrier(&box);
    box.Update(2.9f);
    EXPECT_FALSE(frog.PendingCommand().has_value());
    box.Update(0.1f);
    EXPECT_EQ(frog.PendingCommand(), FS_KILL_BOX_DROWN);
}

TEST_F(RiverObjectTest, TheBoxDrawsWithItsDrownOffsetWhileDrowning) {
    game.AddSprite("BOX_DROWN_KILL", 60, 60, 1.0f);
    Box& box = Add<Box>(1, 400.0f, "BoxRedButton", KIND_BOX_RED_BUTTON);
    box.SetState(RiverObject::kStateAngryOrDrowning);
    box.Update(0.1f);
    const auto& drawn = game.sprites["boxdrownkill"]->draws.back();
    EXPECT_EQ(drawn.params.dstX, 400 - 40);
    EXPECT_EQ(drawn.params.dstY, 600 - 50 - (7 * 75 + 37));
    box.Update(1.0f);
    EXPECT_EQ(box.GetState(), RiverObject::kStateSwimming);
}
