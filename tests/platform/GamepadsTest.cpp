#include "platform/Gamepads.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Messages.h"
#include "platform/Window.h"

namespace {

using platform::Gamepads;
using platform::PadButton;

struct Posted {
    uint32_t message;
    uint32_t button;
    int pad;
    bool operator==(const Posted&) const = default;
};

// The pads post into a headless window; the test drains the queue and reads what arrived.
class GamepadsTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ResetQuitState();
        platform::ResetMessageQueue();
        window_ = platform::Window::CreateHeadless(
            {}, [](platform::Window* w, uint32_t m, platform::WPARAM wp, platform::LPARAM lp) {
                return platform::DefWindowProc(w, m, wp, lp);
            });
        pads_ = std::make_unique<Gamepads>(window_.get());
    }
    void TearDown() override {
        pads_.reset();
        window_.reset();
        platform::ResetMessageQueue();
    }
    std::vector<Posted> Drain() {
        std::vector<Posted> out;
        platform::Message msg;
        while (platform::PeekMessage(msg)) {
            platform::GetMessage(msg);
            if (msg.message == platform::WM_PADBUTTON || msg.message == platform::WM_PADREMOVED) {
                out.push_back({msg.message, static_cast<uint32_t>(msg.wParam), static_cast<int>(msg.lParam)});
            }
        }
        return out;
    }
    static Posted Press(PadButton b, int pad = 0) { return {platform::WM_PADBUTTON, static_cast<uint32_t>(b), pad}; }

    std::unique_ptr<platform::Window> window_;
    std::unique_ptr<Gamepads> pads_;
};

TEST_F(GamepadsTest, ButtonsSendOnePressWhenTheyGoDownAndNeverRepeat) {
    pads_->Added(4);
    pads_->Button(4, PadButton::A, true, 0);
    pads_->Button(4, PadButton::A, true, 10);  // a second down without an up
    pads_->Update(5000);
    pads_->Button(4, PadButton::A, false, 5010);
    pads_->Button(4, PadButton::Start, true, 5020);
    EXPECT_EQ(Drain(), (std::vector<Posted>{Press(PadButton::A, 4), Press(PadButton::Start, 4)}));
}

TEST_F(GamepadsTest, AHeldDirectionRepeatsLikeAKey) {
    pads_->Button(0, PadButton::Up, true, 1000);
    pads_->Update(1000 + Gamepads::kRepeatDelayMs - 1);
    EXPECT_EQ(Drain().size(), 1u) << "no repeat before the delay";
    pads_->Update(1000 + Gamepads::kRepeatDelayMs);
    pads_->Update(1000 + Gamepads::kRepeatDelayMs + Gamepads::kRepeatIntervalMs - 1);
    pads_->Update(1000 + Gamepads::kRepeatDelayMs + Gamepads::kRepeatIntervalMs);
    EXPECT_EQ(Drain(), (std::vector<Posted>{Press(PadButton::Up), Press(PadButton::Up)}));
    pads_->Button(0, PadButton::Up, false, 2000);
    pads_->Update(9000);
    EXPECT_TRUE(Drain().empty()) << "released: no more repeats";
}

TEST_F(GamepadsTest, TheStickHasADeadZoneAndLetsGoBelowTheReleaseZone) {
    struct Step {
        int x, y;
        std::vector<Posted> expected;
    };
    const Step steps[] = {
        {Gamepads::kDeadZone, 0, {}},  // at the edge of the dead zone: nothing yet
        {Gamepads::kDeadZone + 1, 0, {Press(PadButton::Right)}},
        {Gamepads::kReleaseZone + 1, 0, {}},  // still held, no second press
        {Gamepads::kReleaseZone, 0, {}},      // let go
        {Gamepads::kDeadZone + 1, 0, {Press(PadButton::Right)}},
        {-32768, -32768, {Press(PadButton::Left), Press(PadButton::Up)}},  // a diagonal: both
        {0, 32767, {Press(PadButton::Down)}},
    };
    for (const Step& step : steps) {
        pads_->Stick(1, 0, step.x, 0);
        pads_->Stick(1, 1, step.y, 0);
        std::vector<Posted> expected = step.expected;
        for (Posted& p : expected) p.pad = 1;
        EXPECT_EQ(Drain(), expected) << step.x << ", " << step.y;
    }
}

TEST_F(GamepadsTest, DPadAndStickTogetherAreOneDirection) {
    pads_->Button(0, PadButton::Left, true, 0);
    pads_->Stick(0, 0, -32768, 0);
    pads_->Button(0, PadButton::Left, false, 0);  // the stick still holds it
    pads_->Stick(0, 0, 0, 0);
    pads_->Button(0, PadButton::Left, true, 0);
    EXPECT_EQ(Drain(), (std::vector<Posted>{Press(PadButton::Left), Press(PadButton::Left)}));
}

TEST_F(GamepadsTest, SeveralPadsPlayAtOnceAndAPulledPadIsReportedOnce) {
    pads_->Added(0);
    pads_->Added(7);
    EXPECT_EQ(pads_->Count(), 2);
    pads_->Button(7, PadButton::Down, true, 0);
    pads_->Button(0, PadButton::B, true, 0);
    pads_->Removed(7);
    pads_->Removed(7);
    pads_->Update(100000);  // the pulled pad's held direction does not repeat
    EXPECT_EQ(pads_->Count(), 1);
    EXPECT_EQ(Drain(), (std::vector<Posted>{Press(PadButton::Down, 7), Press(PadButton::B, 0),
                                            Posted{platform::WM_PADREMOVED, 0, 7}}));
}

}  // namespace
