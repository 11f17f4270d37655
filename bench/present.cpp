// Presenting one 800 × 600 RGB565 frame into a window's 32-bit pixels, the way the window does it
// without a graphics processor (platform::FrameScaler), at three window sizes, whole and with only
// a play frame's share of rows changed (what the window draws in play); beside it, in the
// same run, a memcpy of the window's pixels (the goal: at most 3 ×) and SDL's software renderer
// scaling the same frame (the way frames were shown before). CPU time of this thread; each
// figure is the median of several rounds, with the spread (lowest … highest).
//
//   bench_present

#include <SDL.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "platform/FrameScaler.h"
#include "platform/Viewport.h"

namespace {

constexpr int kGameWidth = 800;
constexpr int kGameHeight = 600;
constexpr int kRounds = 7;
constexpr int kFramesPerRound = 20;
constexpr int kChangedLanes = 5;
constexpr int kChangedLaneRows = 46;

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Figure {
    double median = 0, low = 0, high = 0;  // seconds per frame
};

// Rounds of the given work, interleaved with the other figures' rounds by the caller.
Figure Summarise(std::vector<double> perFrame) {
    std::sort(perFrame.begin(), perFrame.end());
    return {perFrame[perFrame.size() / 2], perFrame.front(), perFrame.back()};
}

double Round(const std::function<void()>& work) {
    const double start = CpuSeconds();
    for (int i = 0; i < kFramesPerRound; ++i) work();
    return (CpuSeconds() - start) / kFramesPerRound;
}

void Print(const char* what, int w, int h, const Figure& f, const Figure& reference) {
    std::printf("%-34s %4dx%-4d %7.3f ms (%.3f … %.3f)  = %5.2f × memcpy of the window (%.3f ms)\n", what, w, h,
                f.median * 1e3, f.low * 1e3, f.high * 1e3, f.median / reference.median, reference.median * 1e3);
}

}  // namespace

int main() {
    // A frame with every kind of pixel: a gradient with noise, so nothing is uniform.
    std::vector<uint16_t> frame(static_cast<size_t>(kGameWidth) * kGameHeight);
    uint32_t seed = 1;
    for (size_t i = 0; i < frame.size(); ++i) {
        seed = seed * 1664525u + 1013904223u;
        frame[i] = static_cast<uint16_t>((i * 7) ^ (seed >> 16));
    }
    const platform::FrameView view = platform::FrameView::Rgb565(frame.data(), kGameWidth, kGameHeight, kGameWidth * 2);

    const int sizes[][2] = {{800, 600}, {1920, 1080}, {3840, 2160}};
    std::printf("present: one 800x600 RGB565 frame into 32-bit window pixels, CPU per frame, median of %d rounds\n",
                kRounds);
    for (const auto& size : sizes) {
        const int w = size[0], h = size[1];
        std::vector<uint32_t> window(static_cast<size_t>(w) * h);
        std::vector<uint32_t> copy(window.size());
        const platform::PixelTarget target{window.data(), w * 4, w, h};
        platform::FrameScaler scaler;
        const platform::Viewport letterbox = platform::LetterboxViewport(w, h, kGameWidth, kGameHeight);
        const platform::Viewport whole = platform::IntegerViewport(w, h, kGameWidth, kGameHeight);

        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_XRGB8888);
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        SDL_Renderer* renderer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
        SDL_Texture* texture = renderer ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB565,
                                                            SDL_TEXTUREACCESS_STREAMING, kGameWidth, kGameHeight)
                                        : nullptr;

        // The window draws only the rows that changed since the frame before: in play about 230 of
        // the 600 (measured on level 1), here as five lanes of 46 rows.
        std::vector<uint8_t> changed(kGameHeight, 0);
        for (int lane = 0; lane < kChangedLanes; ++lane) {
            std::fill_n(changed.begin() + 60 + lane * 100, kChangedLaneRows, uint8_t{1});
        }
        std::vector<platform::FrameScaler::Band> bands;
        std::vector<double> memcpyRounds, ourRounds, wholeRounds, sdlRounds, changedRounds;
        for (int round = 0; round < kRounds; ++round) {
            memcpyRounds.push_back(Round([&] {
                std::memcpy(copy.data(), window.data(), window.size() * 4);
                std::memcpy(window.data(), copy.data(), 4);  // keep the copy from being dropped
            }));
            ourRounds.push_back(Round([&] { scaler.Draw(view, target, letterbox); }));
            wholeRounds.push_back(Round([&] { scaler.Draw(view, target, whole); }));
            changedRounds.push_back(Round([&] {
                bands.clear();
                scaler.DrawChanged(view, target, letterbox, changed.data(), bands);
            }));
            if (texture) {
                sdlRounds.push_back(Round([&] {
                    SDL_UpdateTexture(texture, nullptr, frame.data(), kGameWidth * 2);
                    SDL_RenderClear(renderer);
                    const SDL_Rect rect{letterbox.x, letterbox.y, letterbox.width, letterbox.height};
                    SDL_RenderCopy(renderer, texture, nullptr, &rect);
                    SDL_RenderPresent(renderer);
                }));
            }
        }
        const Figure reference = Summarise(memcpyRounds);
        Print("our scaler, 4:3 letterbox", w, h, Summarise(ourRounds), reference);
        Print("our scaler, --integer-scale", w, h, Summarise(wholeRounds), reference);
        Print("our scaler, 4:3, 230 rows changed", w, h, Summarise(changedRounds), reference);
        if (!sdlRounds.empty()) Print("SDL software renderer (before)", w, h, Summarise(sdlRounds), reference);
        if (texture) SDL_DestroyTexture(texture);
        if (renderer) SDL_DestroyRenderer(renderer);
        if (surface) SDL_FreeSurface(surface);
    }
    return 0;
}
