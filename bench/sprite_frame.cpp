// A typical play frame composed through the sprite classes, against the memcpy of one frame:
// the background in two ring pieces (opaque: it covers the screen), 60 colour-keyed sprites of
// 40 × 40 to 200 × 80 from 12 pictures, 6 alpha sprites of 64 × 48, 10 shadows of 100 × 40 and 3
// lines of text; beside it the worst case of 60 distinct pictures and a keyed background. Also the decode of a full-screen
// run-length frame against the same memcpy. Each figure is one line; times are the best of
// several rounds taken side by side.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "settings/SettingsManager.h"
#include "files/FileLoader.h"
#include "gfx/AlphaSprite.h"
#include "gfx/AnimatedRLESprite.h"
#include "gfx/DirectDraw.h"
#include "gfx/DrawParams.h"
#include "gfx/Font.h"
#include "gfx/Image.h"
#include "gfx/ShadowSprite.h"
#include "gfx/SpriteManager.h"
#include "gfx/SurfaceSprite.h"
#include "platform/DisplaySurface.h"
#include "platform/Headless.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr size_t kFrameBytes = static_cast<size_t>(kWidth) * kHeight * 2;
constexpr int kRounds = 15;
constexpr int kFramesPerRound = 40;

std::mt19937 rng(1234);

// A colour picture (0x00RRGGBB per pixel) in the display format.
std::unique_ptr<Image> Picture(int w, int h, uint32_t (*rgb)(int x, int y, int w, int h)) {
    auto image = std::make_unique<Image>();
    image->Create(w, h, 16);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) image->SetPixel(x, y, rgb(x, y, w, h));
    }
    return image;
}

// Car-like shapes: an ellipse of colour with transparent corners.
uint32_t Body(int x, int y, int w, int h) {
    const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
    if (dx * dx + dy * dy > 1.0) return 0;
    return static_cast<uint32_t>(0x30 + (x * 5) % 200) << 16 | static_cast<uint32_t>(0x40 + y * 2 % 150) << 8 | 0x60;
}

uint32_t Scenery(int x, int y, int, int) {
    return static_cast<uint32_t>((x ^ y) & 0xF8) << 16 | static_cast<uint32_t>((x + 3 * y) & 0xF8) << 8 |
           static_cast<uint32_t>((x * y) & 0xF8);
}

template <class F>
double BestNanos(F&& work, int repeat) {
    double best = 1e300;
    for (int r = 0; r < kRounds; ++r) {
        const auto t0 = Clock::now();
        for (int i = 0; i < repeat; ++i) work();
        const auto t1 = Clock::now();
        best = std::min(best, std::chrono::duration<double, std::nano>(t1 - t0).count() / repeat);
    }
    return best;
}

struct Placed {
    Sprite* sprite;
    int x, y;
};

}  // namespace

int main() {
    platform::SetHeadless(true);
    DirectDraw& dd = DirectDraw::Instance();
    if (!dd.Init(nullptr, kWidth, kHeight, 16, true)) {
        std::fprintf(stderr, "display could not be opened\n");
        return 1;
    }

    // Background: a screen-sized ring surface over a taller level picture.
    auto background = std::make_unique<SurfaceSprite>();
    background->Create(Picture(kWidth, kHeight + 200, Scenery), kWidth, kHeight, 0, 100, false);

    std::vector<std::unique_ptr<Sprite>> owned;
    std::vector<Placed> keyed, blended, shadows;
    std::uniform_int_distribution<int> px(-40, kWidth - 40), py(-20, kHeight - 40);
    // Traffic is a few kinds of vehicle and floating object, each shown many times: 12 pictures
    // of 40 × 40 to 200 × 80 drawn 60 times.
    std::vector<Sprite*> kinds;
    for (int i = 0; i < 12; ++i) {
        const int w = 40 + (i * 37) % 161;  // 40 … 200
        const int h = 40 + (i * 13) % 41;   // 40 … 80
        auto s = std::make_unique<SurfaceSprite>();
        s->Create(Picture(w, h, Body), w, h, 0, 0, true);
        kinds.push_back(s.get());
        owned.push_back(std::move(s));
    }
    for (int i = 0; i < 60; ++i) keyed.push_back({kinds[i % kinds.size()], px(rng), py(rng)});
    // The worst case beside it: 60 pictures of their own, more than the caches hold.
    std::vector<Placed> distinct;
    for (int i = 0; i < 60; ++i) {
        const int w = 40 + (i * 37) % 161;
        const int h = 40 + (i * 13) % 41;
        auto s = std::make_unique<SurfaceSprite>();
        s->Create(Picture(w, h, Body), w, h, 0, 0, true);
        distinct.push_back({s.get(), keyed[i].x, keyed[i].y});
        owned.push_back(std::move(s));
    }
    for (int i = 0; i < 6; ++i) {
        auto alpha = std::make_unique<Image>();
        alpha->Create(64, 48, 8);
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) {
                const double d = std::hypot(x - 32.0, y - 24.0) / 30.0;
                *alpha->PixelAddress(x, y) = static_cast<uint8_t>(std::clamp(255.0 * (1.2 - d), 0.0, 255.0));
            }
        }
        auto s = std::make_unique<AlphaSprite>();
        s->Create(Picture(64, 48, Scenery), std::move(alpha), 64, 48, 0, 0, false);
        blended.push_back({s.get(), px(rng), py(rng)});
        owned.push_back(std::move(s));
    }
    for (int i = 0; i < 10; ++i) {
        Image shape;
        shape.Create(100, 40, 1);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 100; ++x) shape.SetBit(x, y, Body(x, y, 100, 40) != 0);
        }
        auto s = std::make_unique<ShadowSprite>();
        s->Create(shape, 100, 40, true);
        shadows.push_back({s.get(), px(rng), py(rng)});
        owned.push_back(std::move(s));
    }

    // Text: a glyph picture of 16 × 16 cells and a font file describing them.
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "rj_bench_sprite_frame";
    std::filesystem::create_directories(dir);
    {
        std::ofstream fnt(dir / "Bench.fnt");
        fnt << "0 0\n256 64\n0 16\n96\n0 0\n";
        for (int c = 32; c < 128; ++c) {
            const int cell = c - 32, left = (cell % 16) * 16, row = cell / 16;
            // b chosen so that top = 64 − 16 − b lands on the glyph's cell row.
            fnt << std::hex << c << " 0 " << std::dec << left << ' ' << 64 - 16 - row * 16 << ' ' << left + 11
                << " 0\n";
        }
    }
    std::ofstream(dir / "config.txt") << "smallFontSizeFactor 0.75\n";
    FileLoader::SetDataRoot(dir.string());
    FileLoader::Instance().Reinitialize();
    SettingsManager::Instance().Load("data\\config.txt");
    SpriteManager::Instance().AddSprite("benchfont", [] {
        auto s = std::make_unique<SurfaceSprite>();
        s->Create(Picture(256, 64, Body), 256, 64, 0, 0, false);
        return s;
    }());
    Font font;
    font.Load("data\\Bench.fnt", "benchfont");

    // The background covers the screen: drawn without colour key, as a copy.
    const int ringOffset = 137;
    auto drawRing = [&](int top, int bottom, int y, bool opaque) {
        DrawParams p;
        p.flags = DrawParams::SourcePosition | DrawParams::SourceSize | DrawParams::DestinationPosition |
                  (opaque ? DrawParams::Opaque : 0u);
        p.srcX = 0;
        p.srcY = top;
        p.srcWidth = kWidth;
        p.srcHeight = bottom - top + 1;
        p.dstX = 0;
        p.dstY = y;
        background->Draw(p);
    };
    auto compose = [&](const std::vector<Placed>& traffic, bool opaqueBackground) {
        drawRing(ringOffset, kHeight - 1, 0, opaqueBackground);
        drawRing(0, ringOffset - 1, kHeight - ringOffset, opaqueBackground);
        for (const Placed& p : shadows) p.sprite->Draw(p.x, p.y);
        for (const Placed& p : traffic) p.sprite->Draw(p.x, p.y);
        for (const Placed& p : blended) p.sprite->Draw(p.x, p.y);
        font.DrawText(10, 10, "SCORE 0012345   LEBEN 3   ZEIT 87", false);
        font.DrawText(790, 40, "Level 3 - Welt 1", true);
        font.DrawText(200, 560, "Frosch im Ziel! Bonus 500", false);
    };

    std::vector<uint8_t> from(kFrameBytes, 0x5A), to(kFrameBytes);
    auto copyFrame = [&] {
        std::memcpy(to.data(), from.data(), kFrameBytes);
        asm volatile("" : : "r"(to.data()) : "memory");
    };

    // A full-screen run-length frame of flat art (long runs) and of a busy picture (literals).
    auto flat = std::make_unique<AnimatedRLESprite>();
    flat->Create(*Picture(kWidth, kHeight,
                          [](int x, int y, int, int) -> uint32_t {
                              return (x / 50 + y / 40) % 3 == 0
                                         ? 0
                                         : static_cast<uint32_t>(((x / 50) * 20) & 0xF8) << 16 | 0x4080;
                          }),
                 1, 1.0f, false, false);
    auto busy = std::make_unique<AnimatedRLESprite>();
    busy->Create(*Picture(kWidth, kHeight, Scenery), 1, 1.0f, false, false);
    Surface target;
    target.Create(kWidth, kHeight);

    double memcpyNs = 1e300, frameNs = 1e300, worstNs = 1e300, flatNs = 1e300, busyNs = 1e300;
    for (int round = 0; round < 3; ++round) {
        memcpyNs = std::min(memcpyNs, BestNanos(copyFrame, kFramesPerRound));
        frameNs = std::min(frameNs, BestNanos([&] { compose(keyed, true); }, kFramesPerRound));
        worstNs = std::min(worstNs, BestNanos([&] { compose(distinct, false); }, kFramesPerRound));
        flatNs =
            std::min(flatNs, BestNanos([&] { target.UploadRunLengthFrame(*flat->GetFrameImage(0)); }, kFramesPerRound));
        busyNs =
            std::min(busyNs, BestNanos([&] { target.UploadRunLengthFrame(*busy->GetFrameImage(0)); }, kFramesPerRound));
    }
    std::printf("play frame / frame memcpy: %.2f (frame %.1f us, memcpy %.1f us; target <= 8)\n", frameNs / memcpyNs,
                frameNs / 1000.0, memcpyNs / 1000.0);
    std::printf("play frame, 60 distinct pictures and keyed background / frame memcpy: %.2f (%.1f us)\n",
                worstNs / memcpyNs, worstNs / 1000.0);
    std::printf("run-length decode, flat art / frame memcpy: %.2f (%.1f us; target <= 2)\n", flatNs / memcpyNs,
                flatNs / 1000.0);
    std::printf("run-length decode, busy picture / frame memcpy: %.2f (%.1f us; target <= 2)\n", busyNs / memcpyNs,
                busyNs / 1000.0);
    std::filesystem::remove_all(dir);
    return 0;
}
