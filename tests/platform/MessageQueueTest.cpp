#include "platform/MessageQueue.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/CursorState.h"
#include "platform/Messages.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"

namespace {

using platform::Message;

struct Received {
    uint32_t message;
    platform::WPARAM wParam;
    platform::LPARAM lParam;
};

// A headless window whose procedure records what it gets and acts as the game's does on destroy.
class MessageQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ResetQuitState();
        platform::ResetMessageQueue();
        window_ = platform::Window::CreateHeadless(
            {}, [this](platform::Window* w, uint32_t message, platform::WPARAM wParam, platform::LPARAM lParam) {
                received_.push_back({message, wParam, lParam});
                if (message == platform::WM_DESTROY) platform::PostQuitMessage(0);
                return platform::DefWindowProc(w, message, wParam, lParam);
            });
    }
    void TearDown() override {
        window_.reset();
        platform::ResetMessageQueue();
        platform::ResetQuitState();
    }

    // The main loop: returns the quit's exit code.
    int RunLoop() {
        Message msg;
        while (platform::PeekMessage(msg)) {
            if (!platform::GetMessage(msg)) return static_cast<int>(msg.wParam);
            platform::TranslateMessage(msg);
            platform::DispatchMessage(msg);
        }
        return -100;  // ran dry without a quit
    }

    std::vector<uint32_t> ReceivedIds() const {
        std::vector<uint32_t> ids;
        for (const Received& r : received_) ids.push_back(r.message);
        return ids;
    }

    std::unique_ptr<platform::Window> window_;
    std::vector<Received> received_;
};

TEST_F(MessageQueueTest, PeekLeavesTheMessageAndGetRemovesIt) {
    platform::PostMessage(window_.get(), platform::WM_KEYDOWN, platform::VK_UP, 0);
    Message msg;
    ASSERT_TRUE(platform::PeekMessage(msg));
    ASSERT_TRUE(platform::PeekMessage(msg));
    EXPECT_EQ(msg.message, platform::WM_KEYDOWN);
    ASSERT_TRUE(platform::GetMessage(msg));
    EXPECT_EQ(msg.wParam, platform::VK_UP);
    EXPECT_EQ(msg.window, window_.get());
    EXPECT_FALSE(platform::PeekMessage(msg));
}

TEST_F(MessageQueueTest, QuitComesAfterTheMessagesPostedBeforeItWithItsExitCode) {
    platform::PostMessage(window_.get(), platform::WM_KEYDOWN, 'H', 0);
    platform::PostQuitMessage(255);
    EXPECT_EQ(RunLoop(), 255);
    EXPECT_EQ(ReceivedIds(), std::vector<uint32_t>{platform::WM_KEYDOWN});
    Message msg;
    EXPECT_FALSE(platform::PeekMessage(msg)) << "the quit is handed out once";
}

TEST_F(MessageQueueTest, PumpDispatchesAllThatWaitsTranslatedAndReportsTheQuit) {
    platform::PostMessage(window_.get(), platform::WM_KEYDOWN, platform::VK_RETURN, 0);
    EXPECT_TRUE(platform::PumpMessages());
    EXPECT_EQ(ReceivedIds(), (std::vector<uint32_t>{platform::WM_KEYDOWN, platform::WM_CHAR}));
    EXPECT_TRUE(platform::PumpMessages()) << "nothing waits: no quit";
    platform::PostMessage(window_.get(), platform::WM_KEYDOWN, 'H', 0);
    platform::PostQuitMessage(3);
    EXPECT_FALSE(platform::PumpMessages());
    EXPECT_EQ(received_.size(), 3u) << "the key posted before the quit still arrives";
}

TEST_F(MessageQueueTest, TranslateAddsCharactersForBackspaceAndEnterOnly) {
    platform::PostMessage(window_.get(), platform::WM_KEYDOWN, platform::VK_BACK, 0);
    platform::PostMessage(window_.get(), platform::WM_KEYDOWN, platform::VK_RETURN, 0);
    platform::PostMessage(window_.get(), platform::WM_KEYDOWN, 'A', 0);
    platform::PostMessage(window_.get(), platform::WM_KEYDOWN, platform::VK_ESCAPE, 0);
    RunLoop();
    std::vector<platform::WPARAM> characters;
    for (const Received& r : received_) {
        if (r.message == platform::WM_CHAR) characters.push_back(r.wParam);
    }
    EXPECT_EQ(characters, (std::vector<platform::WPARAM>{8, 13}));
}

TEST_F(MessageQueueTest, ClosingDestroysTheWindowThenQuits) {
    SDL_Event close{};
    close.type = SDL_QUIT;
    window_->TranslateEvent(close);
    window_->TranslateEvent(close);  // SDL may report the close twice (window event and quit)
    EXPECT_EQ(RunLoop(), 0);
    EXPECT_EQ(ReceivedIds(), (std::vector<uint32_t>{platform::WM_CLOSE, platform::WM_DESTROY}));
    EXPECT_TRUE(window_->IsDestroyed());
}

TEST_F(MessageQueueTest, MouseButtonsArriveInGamePixelsAtAnyWindowSize) {
    SDL_Event resize{};
    resize.type = SDL_WINDOWEVENT;
    resize.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    resize.window.data1 = 1920;
    resize.window.data2 = 1080;
    window_->TranslateEvent(resize);
    SDL_Event down{};
    down.type = SDL_MOUSEBUTTONDOWN;
    down.button.button = SDL_BUTTON_LEFT;
    down.button.x = 240 + 130;
    down.button.y = 972;
    window_->TranslateEvent(down);
    SDL_Event up = down;
    up.type = SDL_MOUSEBUTTONUP;
    up.button.x = 100;  // on the left bar
    window_->TranslateEvent(up);
    SDL_Event right = down;
    right.button.button = SDL_BUTTON_RIGHT;
    window_->TranslateEvent(right);
    RunLoop();
    ASSERT_EQ(received_.size(), 2u);
    EXPECT_EQ(received_[0].message, platform::WM_LBUTTONDOWN);
    EXPECT_EQ(platform::LoWord(received_[0].lParam), 72);
    EXPECT_EQ(platform::HiWord(received_[0].lParam), 540);
    EXPECT_EQ(received_[1].message, platform::WM_LBUTTONUP);
    EXPECT_GT(platform::LoWord(received_[1].lParam), 800) << "a bar click lies outside every button";
    EXPECT_FALSE(platform::IsLeftButtonDown());
}

TEST_F(MessageQueueTest, KeysAndTypedTextBecomeKeyAndCharacterMessages) {
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_m;
    key.key.keysym.mod = KMOD_SHIFT;
    window_->TranslateEvent(key);
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    SDL_strlcpy(text.text.text, "M\xC3\xBC", sizeof(text.text.text));
    window_->TranslateEvent(text);
    RunLoop();
    ASSERT_EQ(received_.size(), 3u);
    EXPECT_EQ(received_[0].message, platform::WM_KEYDOWN);
    EXPECT_EQ(received_[0].wParam, 77u);
    EXPECT_EQ(received_[1].message, platform::WM_CHAR);
    EXPECT_EQ(received_[1].wParam, 'M');
    EXPECT_EQ(received_[2].wParam, 0xFCu);
}

TEST_F(MessageQueueTest, FocusChangesPostActivationAndFocusMessages) {
    window_->Show();
    SDL_Event lost{};
    lost.type = SDL_WINDOWEVENT;
    lost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    window_->TranslateEvent(lost);
    RunLoop();
    EXPECT_EQ(ReceivedIds(), (std::vector<uint32_t>{platform::WM_ACTIVATEAPP, platform::WM_SETFOCUS,
                                                    platform::WM_ACTIVATEAPP, platform::WM_KILLFOCUS}));
    EXPECT_EQ(received_[2].wParam, 0u);
}

TEST_F(MessageQueueTest, HeadlessCursorFollowsThePostedMouseMessages) {
    platform::PostMessage(window_.get(), platform::WM_LBUTTONDOWN, 0, platform::MakeMouseLParam(300, 540));
    EXPECT_TRUE(platform::IsLeftButtonDown());
    EXPECT_EQ(platform::GetCursorPos().x, 300);
    EXPECT_EQ(platform::GetCursorPos().y, 540);
    platform::PostMessage(window_.get(), platform::WM_LBUTTONUP, 0, platform::MakeMouseLParam(-3, 10));
    EXPECT_FALSE(platform::IsLeftButtonDown());
    EXPECT_EQ(platform::GetCursorPos().x, -3);
}

}  // namespace
