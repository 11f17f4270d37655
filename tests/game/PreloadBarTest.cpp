#include "game/PreloadBar.h"

#include <gtest/gtest.h>

namespace {

struct BarCase {
    float progress;
    int top;
};

TEST(PreloadBarTest, GrowsUpwardsFromTheBottomRow) {
    constexpr int kWidth = 40;
    constexpr int kHeight = 302;  // 300 rows of travel
    const BarCase cases[] = {
        {0.0f, 300},  // only the bottom row shows
        {0.5f, 150},
        {138.0f / 139.0f, 2},  // the last sprite of a 100-sprite catalogue with sound on
        {1.0f, 0},
    };
    for (const BarCase& c : cases) {
        const PreloadBarRects r = ComputePreloadBar(kWidth, kHeight, c.progress);
        EXPECT_EQ(r.source, (Rect{0, c.top, kWidth - 1, kHeight - 1})) << c.progress;
        EXPECT_EQ(r.destination, (Rect{0, c.top + 111, kWidth - 1, kHeight - 1 + 111})) << c.progress;
    }
}

}  // namespace
