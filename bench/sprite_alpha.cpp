// Alpha sprite drawing of a 64 × 48 sprite onto the 565 back buffer, against SDL_BlitSurface of a
// 64 × 48 ARGB8888 surface with blending onto an RGB565 surface of the screen's size. Also the
// blend loop alone per pixel. One line per figure; best of several rounds, side by side.

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "gfx/AlphaSprite.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/PixelBlend.h"
#include "platform/Headless.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSpriteWidth = 64;
constexpr int kSpriteHeight = 48;
constexpr int kPixels = kSpriteWidth * kSpriteHeight;
constexpr int kRounds = 20;
constexpr int kDrawsPerRound = 2000;

uint8_t AlphaAt(int x, int y) {
    // Opaque core, soft edge, transparent corners: the mix a blended sprite has.
    const int dx = x - kSpriteWidth / 2, dy = y - kSpriteHeight / 2;
    const int d = dx * dx + dy * dy;
    return d < 300 ? 255 : d > 700 ? 0 : static_cast<uint8_t>(255 - (d - 300) * 255 / 400);
}

uint32_t ColourAt(int x, int y) {
    return static_cast<uint32_t>(x * 4) << 16 | static_cast<uint32_t>(y * 5) << 8 | 0x80;
}

template <class F>
double BestNanos(F&& work) {
    double best = 1e300;
    for (int r = 0; r < kRounds; ++r) {
        const auto t0 = Clock::now();
        for (int i = 0; i < kDrawsPerRound; ++i) work(i);
        const auto t1 = Clock::now();
        best = std::min(best, std::chrono::duration<double, std::nano>(t1 - t0).count() / kDrawsPerRound);
    }
    return best;
}

}  // namespace

int main() {
    platform::SetHeadless(true);
    if (!DirectDraw::Instance().Init(nullptr, 800, 600, 16, true)) {
        std::fprintf(stderr, "display could not be opened\n");
        return 1;
    }
    auto colour = std::make_unique<Image>();
    colour->Create(kSpriteWidth, kSpriteHeight, 16);
    auto alpha = std::make_unique<Image>();
    alpha->Create(kSpriteWidth, kSpriteHeight, 8);
    for (int y = 0; y < kSpriteHeight; ++y) {
        for (int x = 0; x < kSpriteWidth; ++x) {
            colour->SetPixel(x, y, ColourAt(x, y));
            *alpha->PixelAddress(x, y) = AlphaAt(x, y);
        }
    }
    AlphaSprite sprite;
    sprite.Create(std::move(colour), std::move(alpha), kSpriteWidth, kSpriteHeight, 0, 0, false);

    SDL_Surface* sdlSource =
        SDL_CreateRGBSurfaceWithFormat(0, kSpriteWidth, kSpriteHeight, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Surface* sdlTarget = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 16, SDL_PIXELFORMAT_RGB565);
    if (!sdlSource || !sdlTarget) {
        std::fprintf(stderr, "SDL surfaces: %s\n", SDL_GetError());
        return 1;
    }
    for (int y = 0; y < kSpriteHeight; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(sdlSource->pixels) + y * sdlSource->pitch);
        for (int x = 0; x < kSpriteWidth; ++x) row[x] = static_cast<uint32_t>(AlphaAt(x, y)) << 24 | ColourAt(x, y);
    }
    SDL_SetSurfaceBlendMode(sdlSource, SDL_BLENDMODE_BLEND);
    SDL_FillRect(sdlTarget, nullptr, 0x4208);

    // The sprite wanders over a few positions so neither side blends into one cached spot only.
    auto ours = [&](int i) { sprite.Draw(100 + (i % 7) * 80, 100 + (i % 5) * 70); };
    auto sdl = [&](int i) {
        SDL_Rect to{100 + (i % 7) * 80, 100 + (i % 5) * 70, kSpriteWidth, kSpriteHeight};
        SDL_BlitSurface(sdlSource, nullptr, sdlTarget, &to);
    };
    std::vector<uint16_t> rowTarget(kPixels, 0x4208), rowColour(kPixels, 0xF81F);
    std::vector<uint8_t> rowAlpha(kPixels);
    for (int i = 0; i < kPixels; ++i) rowAlpha[i] = AlphaAt(i % kSpriteWidth, i / kSpriteWidth);
    const auto layout = pixelblend::LayoutOf(DirectDraw::Instance().GetPixelFormat());
    auto loopOnly = [&](int) {
        for (int y = 0; y < kSpriteHeight; ++y) {
            pixelblend::BlendAlphaRow16(rowTarget.data() + y * kSpriteWidth, rowColour.data() + y * kSpriteWidth,
                                        rowAlpha.data() + y * kSpriteWidth, kSpriteWidth, layout);
        }
    };

    double oursNs = 1e300, sdlNs = 1e300, loopNs = 1e300;
    for (int round = 0; round < 3; ++round) {
        oursNs = std::min(oursNs, BestNanos(ours));
        sdlNs = std::min(sdlNs, BestNanos(sdl));
        loopNs = std::min(loopNs, BestNanos(loopOnly));
    }
    std::printf(
        "alpha sprite 64x48 / SDL_BlitSurface ARGB8888->RGB565: %.2f (ours %.2f ns/px, SDL %.2f ns/px; target <= "
        "0.5)\n",
        oursNs / sdlNs, oursNs / kPixels, sdlNs / kPixels);
    std::printf("alpha blend loop alone: %.2f ns/px\n", loopNs / kPixels);
    SDL_FreeSurface(sdlSource);
    SDL_FreeSurface(sdlTarget);
    return 0;
}
