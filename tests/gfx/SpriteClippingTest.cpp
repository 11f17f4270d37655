#include "gfx/SpriteClipping.h"

#include <gtest/gtest.h>

namespace {

TEST(SpriteClipping, ClipToScreenTable) {
    struct Case {
        const char* what;
        int x, y;
        Rect source;
        bool drawn;
        int outX, outY;
        Rect clipped;
    };
    const Case cases[] = {
        {"inside", 10, 20, {0, 0, 49, 29}, true, 10, 20, {0, 0, 49, 29}},
        {"left edge: columns 10 … 49 at 0 … 39", -10, 5, {0, 0, 49, 9}, true, 0, 5, {10, 0, 49, 9}},
        {"top edge", 5, -3, {0, 0, 9, 9}, true, 5, 0, {0, 3, 9, 9}},
        {"right edge keeps up to column 799", 780, 0, {0, 0, 49, 9}, true, 780, 0, {0, 0, 19, 9}},
        {"bottom edge keeps up to row 599", 0, 590, {0, 0, 9, 49}, true, 0, 590, {0, 0, 9, 9}},
        {"region of a larger picture at the right edge", 795, 0, {100, 10, 119, 19}, true, 795, 0, {100, 10, 104, 19}},
        {"one visible column is not drawn", -49, 0, {0, 0, 49, 9}, false, 0, 0, {49, 0, 49, 9}},
        {"one visible column at the right", 799, 0, {0, 0, 49, 9}, false, 799, 0, {0, 0, 0, 9}},
        {"wholly right of the screen", 900, 0, {0, 0, 49, 9}, false, 900, 0, {0, 0, -101, 9}},
        {"wholly above the screen", 0, -20, {0, 0, 9, 9}, false, 0, 0, {0, 20, 9, 9}},
    };
    for (const Case& c : cases) {
        int x = c.x, y = c.y;
        Rect r = c.source;
        EXPECT_EQ(clip::ClipToScreen(x, y, r), c.drawn) << c.what;
        EXPECT_EQ(x, c.outX) << c.what;
        EXPECT_EQ(y, c.outY) << c.what;
        EXPECT_EQ(r, c.clipped) << c.what;
    }
}

TEST(SpriteClipping, ClipStretchedMovesSourceInProportion) {
    struct Case {
        const char* what;
        Rect destination, source;
        bool drawn;
        Rect outDestination, outSource;
    };
    const Case cases[] = {
        {"inside", {10, 10, 109, 59}, {0, 0, 49, 24}, true, {10, 10, 109, 59}, {0, 0, 49, 24}},
        {"double size cut at the left", {-20, 0, 79, 49}, {0, 0, 49, 24}, true, {0, 0, 79, 49}, {10, 0, 49, 24}},
        {"double size cut at the right", {750, 0, 849, 49}, {0, 0, 49, 24}, true, {750, 0, 799, 49}, {0, 0, 24, 24}},
        {"half size cut at the bottom", {0, 590, 24, 609}, {0, 0, 49, 39}, true, {0, 590, 24, 599}, {0, 0, 49, 19}},
        {"cut at the top", {0, -10, 9, 9}, {0, 0, 9, 19}, true, {0, 0, 9, 9}, {0, 10, 9, 19}},
        {"empty destination", {10, 10, 9, 20}, {0, 0, 9, 9}, false, {10, 10, 9, 20}, {0, 0, 9, 9}},
        {"wholly off the right", {900, 0, 949, 49}, {0, 0, 49, 49}, false, {900, 0, 799, 49}, {0, 0, -101, 49}},
        {"negative source left", {0, 0, 9, 9}, {-1, 0, 8, 9}, false, {0, 0, 9, 9}, {-1, 0, 8, 9}},
    };
    for (const Case& c : cases) {
        Rect d = c.destination, s = c.source;
        EXPECT_EQ(clip::ClipStretched(d, s), c.drawn) << c.what;
        EXPECT_EQ(d, c.outDestination) << c.what;
        EXPECT_EQ(s, c.outSource) << c.what;
    }
}

}  // namespace
