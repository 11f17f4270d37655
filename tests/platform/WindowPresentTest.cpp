#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/FrameScaler.h"
#include "platform/Present.h"
#include "platform/Viewport.h"
#include "platform/Window.h"

namespace {

constexpr int kWidth = 40;
constexpr int kHeight = 30;

// Frames presented one after another, each changing a few rows of the one before (and one going
// back to an earlier picture), must each leave the window's pixels showing exactly that frame.
struct Frames {
    std::vector<std::vector<uint16_t>> pictures;
    Frames() {
        std::vector<uint16_t> picture(static_cast<size_t>(kWidth) * kHeight);
        uint32_t seed = 99;
        for (uint16_t& p : picture) {
            seed = seed * 1664525u + 1013904223u;
            p = static_cast<uint16_t>(seed >> 16);
        }
        pictures.push_back(picture);
        for (const int row : {3, 17}) {
            for (int x = 0; x < kWidth; ++x) picture[static_cast<size_t>(row) * kWidth + x] ^= 0x7BEF;
            pictures.push_back(picture);
        }
        pictures.push_back(picture);      // nothing changed
        pictures.push_back(pictures[0]);  // rows 3 and 17 back as at first
        for (int x = 0; x < kWidth; ++x) picture[static_cast<size_t>(kHeight - 1) * kWidth + x] = 0xFFFF;
        pictures.push_back(picture);
    }
};

platform::FrameView ViewOf(const std::vector<uint16_t>& picture) {
    return platform::FrameView::Rgb565(picture.data(), kWidth, kHeight, kWidth * 2);
}

// The SDL window of the one window open.
SDL_Window* OpenSdlWindow() {
    for (Uint32 id = 1; id < 100; ++id) {
        if (SDL_Window* window = SDL_GetWindowFromID(id)) return window;
    }
    return nullptr;
}

void ShowsEachPresentedFrame(bool fullScreen) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);  // a window without a display
    platform::Window::Options options;
    options.width = kWidth;
    options.height = kHeight;
    options.fullScreen = fullScreen;  // the dummy desktop's full screen scales the picture up
    std::string error;
    std::unique_ptr<platform::Window> window = platform::Window::Create(
        options, [](platform::Window*, uint32_t, platform::WPARAM, platform::LPARAM) { return platform::LRESULT{0}; },
        error);
    ASSERT_TRUE(window) << error;
    window->Show();
    window->PollEvents();
    SDL_Window* sdlWindow = OpenSdlWindow();
    ASSERT_NE(sdlWindow, nullptr);

    const Frames frames;
    for (size_t i = 0; i < frames.pictures.size(); ++i) {
        platform::PresentFrame(ViewOf(frames.pictures[i]));
        if (i == 2 || i == 4) {
            // The display lost the picture, or the size was told again: the frame must still be shown.
            SDL_Event event{};
            event.type = SDL_WINDOWEVENT;
            event.window.event = i == 2 ? SDL_WINDOWEVENT_EXPOSED : SDL_WINDOWEVENT_SIZE_CHANGED;
            SDL_GetWindowSize(sdlWindow, &event.window.data1, &event.window.data2);
            window->TranslateEvent(event);
        }
        SDL_Surface* surface = SDL_GetWindowSurface(sdlWindow);
        ASSERT_NE(surface, nullptr);
        ASSERT_EQ(surface->format->BytesPerPixel, 4);
        ASSERT_EQ(surface->format->Rmask, 0x00FF0000u);
        std::vector<uint32_t> expected(static_cast<size_t>(surface->w) * surface->h, 0);
        const platform::Viewport place = platform::LetterboxViewport(surface->w, surface->h, kWidth, kHeight);
        platform::FrameScaler().Draw(ViewOf(frames.pictures[i]),
                                     {expected.data(), surface->w * 4, surface->w, surface->h}, place);
        int wrong = 0;
        for (int y = 0; y < surface->h; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) +
                                                                static_cast<ptrdiff_t>(y) * surface->pitch);
            for (int x = 0; x < surface->w; ++x) {
                wrong += (row[x] & 0xFFFFFF) != expected[static_cast<size_t>(y) * surface->w + x] ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << "frame " << i << ", window " << surface->w << "x" << surface->h;
        if (i == 0) {
            EXPECT_EQ(place.width == kWidth, !fullScreen) << "full screen scales, a window shows 1:1";
        }
    }
}

TEST(WindowPresentTest, EachPresentedFrameIsWhatTheWindowShowsAtOneToOne) { ShowsEachPresentedFrame(false); }

TEST(WindowPresentTest, EachPresentedFrameIsWhatTheWindowShowsScaled) { ShowsEachPresentedFrame(true); }

}  // namespace
