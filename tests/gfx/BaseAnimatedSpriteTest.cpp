#include "gfx/BaseAnimatedSprite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(BaseAnimatedSprite, FrameSelectionTable) {
    const std::vector<int> none;
    const std::vector<int> list = {0, 0, 1};
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* what;
        int count;
        const std::vector<int>* frameList;
        float time, duration;
        bool loop;
        int expected;
    };
    const Case cases[] = {
        {"list: first step", 2, &list, 0.05f, 0.3f, true, 0},
        {"list: third step names frame 1", 2, &list, 0.25f, 0.3f, true, 1},
        {"list: looping wraps to step 0", 2, &list, 0.35f, 0.3f, true, 0},
        {"list: without loop holds the last step", 2, &list, 5.0f, 0.3f, false, 1},
        {"duration 0 shows step 0", 10, &none, 0.7f, 0.0f, true, 0},
        {"duration 0 and time 0", 10, &none, 0.0f, 0.0f, false, 0},
        {"plain frames", 10, &none, 0.55f, 1.0f, false, 5},
        {"loop wraps", 10, &none, 1.25f, 1.0f, true, 2},
        {"no loop clamps", 10, &none, 1.25f, 1.0f, false, 9},
        {"negative time clamps to 0", 10, &none, -0.5f, 1.0f, true, 0},
        {"infinite clock", 10, &none, inf, 1.0f, true, 0},
        {"a clock far beyond int range (2^40 s)", 10, &none, 1099511627776.0f, 1.0f, true, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BaseAnimatedSprite::SelectFrame(c.count, *c.frameList, c.time / c.duration, c.loop), c.expected)
            << c.what;
    }
}

}  // namespace
