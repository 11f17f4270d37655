#include <gtest/gtest.h>

#include "game/Game.h"
#include "gfx/DirectDraw.h"
#include "platform/Clock.h"

namespace {

// Frame timing under the virtual clock. The credits screen shows the step: it scrolls 25 pixels
// per second of dt.
class GameTickTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::UseVirtualClock(true);
        game_.SetState(kStateCredits);
        game_.StartClock();
    }
    void TearDown() override {
        game_.SetState(kStateTitleMenu);
        platform::UseVirtualClock(false);
    }
    // dt of the frame that ran, from the credits position.
    float StepOf(uint32_t advanceMs, bool focus) {
        const float before = game_.GetCreditsPosition();
        platform::AdvanceVirtualTime(advanceMs);
        if (!game_.Tick(focus)) return 0.0f;
        return (before - game_.GetCreditsPosition()) / Game::kCreditsScrollSpeed;
    }
    Game& game_ = Game::Instance();
};

TEST_F(GameTickTest, NineteenMillisecondsAreTooFewAndALateFrameShortensTheNextWait) {
    EXPECT_EQ(StepOf(19, true), 0.0f);
    EXPECT_EQ(game_.MillisecondsToNextTick(), 1u);
    EXPECT_NEAR(StepOf(2, true), 0.021f, 1e-4f);
    // The next deadline stands 20 ms after the last one, not after the late frame.
    EXPECT_EQ(game_.MillisecondsToNextTick(), 19u);
    EXPECT_NEAR(StepOf(19, true), 0.019f, 1e-4f);
}

TEST_F(GameTickTest, WholeMillisecondStepsAreTheMillisecondClocksSteps) {
    // The headless runner's 20 ms steps must give the game the same float as ever.
    EXPECT_EQ(StepOf(20, true) * Game::kCreditsScrollSpeed, 20.0f * 0.001f * Game::kCreditsScrollSpeed);
}

TEST_F(GameTickTest, AStallReachesTheHandlerWholeButTheTransitionOnlyByATenth) {
    DirectDraw::Instance().StartTransition(false);
    const float transitionBefore = DirectDraw::Instance().GetTransitionTime();
    EXPECT_NEAR(StepOf(3000, true), 3.0f, 1e-3f);
    EXPECT_NEAR(DirectDraw::Instance().GetTransitionTime() - transitionBefore, 0.1f, 1e-6f);
}

TEST_F(GameTickTest, TimeWithoutFocusIsNeverSeen) {
    EXPECT_EQ(StepOf(60000, false), 0.0f);
    EXPECT_EQ(StepOf(5, false), 0.0f);
    EXPECT_EQ(StepOf(19, true), 0.0f);
    EXPECT_NEAR(StepOf(1, true), 0.02f, 1e-4f);
}

}  // namespace
