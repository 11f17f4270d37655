#include "gfx/DrawParams.h"
#include "gfx/Sprite.h"

#include <gtest/gtest.h>

#include "SpriteTestSupport.h"

namespace {

TEST(DrawParams, SourceRectanglesByFlags) {
    struct Case {
        const char* what;
        uint32_t flags;
        Rect expected;
    };
    const Case cases[] = {
        {"whole sprite", DrawParams::DestinationPosition, {0, 0, 39, 29}},
        {"position only keeps the sprite's size", DrawParams::SourcePosition, {5, 6, 44, 35}},
        {"size only starts at the corner", DrawParams::SourceSize, {0, 0, 4, 2}},
        {"position and size", DrawParams::SourcePosition | DrawParams::SourceSize, {5, 6, 9, 8}},
    };
    for (const Case& c : cases) {
        DrawParams p;
        p.flags = c.flags;
        p.srcX = 5;
        p.srcY = 6;
        p.srcWidth = 5;
        p.srcHeight = 3;
        EXPECT_EQ(p.SourceRect(40, 30), c.expected) << c.what;
    }
}

TEST(DrawParams, ShortcutsSetTheirFlags) {
    spritetest::RecordingSprite s;
    s.Draw(1, 2);
    s.DrawCentered(3, 4);
    s.DrawStretched(5, 6, 7, 8);
    s.DrawRegion(Rect{10, 20, 17, 29}, 30, 40);
    s.DrawRegionStretched(Rect{0, 0, 7, 9}, Rect{100, 200, 115, 219});
    ASSERT_EQ(s.seen.size(), 5u);
    using P = DrawParams;
    EXPECT_EQ(s.seen[0].flags, P::DestinationPosition);
    EXPECT_EQ(s.seen[1].flags, P::DestinationPosition | P::Centered);
    EXPECT_EQ(s.seen[2].flags, P::DestinationPosition | P::DestinationSize);
    EXPECT_EQ(s.seen[2].DestinationRect(), (Rect{5, 6, 11, 13}));
    EXPECT_EQ(s.seen[3].flags, P::SourcePosition | P::SourceSize | P::DestinationPosition);
    EXPECT_EQ(s.seen[3].SourceRect(10, 10), (Rect{10, 20, 17, 29}));
    EXPECT_EQ(s.seen[3].dstX, 30);
    EXPECT_EQ(s.seen[4].flags, P::SourcePosition | P::SourceSize | P::DestinationPosition | P::DestinationSize);
    EXPECT_EQ(s.seen[4].SourceRect(10, 10), (Rect{0, 0, 7, 9}));
    EXPECT_EQ(s.seen[4].DestinationRect(), (Rect{100, 200, 115, 219}));
}

}  // namespace
