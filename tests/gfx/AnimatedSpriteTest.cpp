#include "gfx/AnimatedSprite.h"

#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "gfx/AlphaSprite.h"
#include "gfx/SurfaceSprite.h"

namespace {

using spritetest::DisplayTest;
using spritetest::kFormats;

// Three 10 × 6 frames stacked; frame f holds a (f + 2) × 3 block of colour f at (f, 1).
uint32_t FrameColour(int f) { return 0x400000u * static_cast<uint32_t>(f + 1) | 0x0800F8u; }
uint32_t Strip(int x, int y) {
    const int f = y / 6, row = y % 6;
    return x >= f && x < f + f + 2 && row >= 1 && row <= 3 ? FrameColour(f) : 0u;
}

class AnimatedSpriteTest : public DisplayTest {};

TEST_F(AnimatedSpriteTest, AlphaFramesWhenGivenAnAlphaStripKeyedOtherwise) {
    Open(kFormats[0]);
    auto colour = Picture(10, 18, Strip);
    auto alpha = AlphaPicture(10, 18, [](int x, int y) { return Strip(x, y) ? 255 : 0; });
    AnimatedSprite blended;
    ASSERT_TRUE(blended.Create(*colour, alpha.get(), 3, 0.3f, true, false));
    EXPECT_NE(dynamic_cast<AlphaSprite*>(blended.GetFrame(0)), nullptr);
    AnimatedSprite keyed;
    ASSERT_TRUE(keyed.Create(*colour, nullptr, 3, 0.3f, true, false));
    EXPECT_NE(dynamic_cast<SurfaceSprite*>(keyed.GetFrame(2)), nullptr);

    for (AnimatedSprite* sprite : {&blended, &keyed}) {
        sprite->SetTime(0.25f);  // frame 2: 4 wide
        EXPECT_EQ(sprite->GetWidth(), 4);
        Fill(0);
        sprite->Draw(50, 50);
        EXPECT_EQ(At(52, 51), Pixel(FrameColour(2)));
        EXPECT_EQ(At(56, 51), 0u);
    }
    // A strip too short for its frame count cannot be cut.
    AnimatedSprite tooMany;
    EXPECT_FALSE(tooMany.Create(*colour, nullptr, 40, 1.0f, false, true));
}

}  // namespace
