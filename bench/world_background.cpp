// The scrolling background's cost per frame against the memcpy of one frame (800 × 600 × 16
// bits), side by side: scrolling by a few rows (the exposed rows copied into the ring, the ring
// drawn in two bands) and, for reference, a jump of a whole screen (one full refresh). Times are
// the best of several rounds.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "world/objects/Background.h"
#include "platform/Headless.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kPictureHeight = 2400;
constexpr size_t kFrameBytes = static_cast<size_t>(kWidth) * kHeight * 2;
constexpr int kRounds = 15;
constexpr int kFramesPerRound = 100;
constexpr int kRowsPerFrame = 3;

std::unique_ptr<Image> Picture() {
    auto image = std::make_unique<Image>();
    image->Create(kWidth, kPictureHeight, 16);
    for (int y = 0; y < kPictureHeight; ++y) {
        auto* row = reinterpret_cast<uint16_t*>(image->PixelAddress(0, y));
        for (int x = 0; x < kWidth; ++x) row[x] = static_cast<uint16_t>(x * 31 + y * 7);
    }
    return image;
}

template <class F>
double BestSecondsPerFrame(F&& frame) {
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < kFramesPerRound; ++i) frame(i);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count() / kFramesPerRound;
        best = std::min(best, seconds);
    }
    return best;
}

}  // namespace

int main() {
    platform::SetHeadless(true);
    if (!DirectDraw::Instance().Init(nullptr, kWidth, kHeight, 16, true)) {
        std::fprintf(stderr, "world_background: the display did not open\n");
        return 1;
    }
    Background background;
    if (!background.Install(Picture())) {
        std::fprintf(stderr, "world_background: the background could not be installed\n");
        return 1;
    }

    std::vector<uint8_t> from(kFrameBytes, 1), to(kFrameBytes, 0);
    const double memcpyFrame = BestSecondsPerFrame([&](int i) {
        from[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
        std::memcpy(to.data(), from.data(), kFrameBytes);
    });
    const int range = kPictureHeight - kHeight;
    int y = 0;
    int direction = kRowsPerFrame;
    const long rowsBefore = background.GetRowsCopied();
    const double scrolling = BestSecondsPerFrame([&](int) {
        if (y + direction < 0 || y + direction > range) direction = -direction;
        y += direction;
        background.SetScroll(0, y);
        background.Draw();
    });
    const double rowsPerFrame =
        static_cast<double>(background.GetRowsCopied() - rowsBefore) / (kRounds * kFramesPerRound);
    int jump = 0;
    const double refreshing = BestSecondsPerFrame([&](int) {
        jump = jump == 0 ? kHeight : 0;
        background.SetScroll(0, jump);
        background.Draw();
    });
    std::printf(
        "background scrolling %d rows per frame (%.1f rows copied): %.2f x one frame memcpy (%.1f us vs %.1f us)\n",
        kRowsPerFrame, rowsPerFrame, scrolling / memcpyFrame, scrolling * 1e6, memcpyFrame * 1e6);
    std::printf("background jump of a whole screen (full refresh): %.2f x one frame memcpy\n",
                refreshing / memcpyFrame);
    DirectDraw::Instance().Release();
    return 0;
}
