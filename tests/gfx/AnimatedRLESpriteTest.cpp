#include "gfx/AnimatedRLESprite.h"

#include <gtest/gtest.h>

#include "SpriteTestSupport.h"

namespace {

using spritetest::DisplayTest;
using spritetest::kFormats;

// Three 10 × 6 frames stacked; frame f holds a (f + 2) × 3 block of colour f at (f, 1).
uint32_t FrameColour(int f) { return 0x400000u * static_cast<uint32_t>(f + 1) | 0x0800F8u; }
uint32_t Strip(int x, int y) {
    const int f = y / 6, row = y % 6;
    return x >= f && x < f + f + 2 && row >= 1 && row <= 3 ? FrameColour(f) : 0u;
}

class AnimatedRLESpriteTest : public DisplayTest {};

TEST_F(AnimatedRLESpriteTest, DecodesOnlyTheFrameOnShow) {
    for (const auto& format : kFormats) {
        Open(format);
        AnimatedRLESprite sprite;
        ASSERT_TRUE(sprite.Create(*Picture(10, 18, Strip), 3, 0.3f, true, true));
        ASSERT_EQ(sprite.GetFrameCount(), 3);
        EXPECT_TRUE(sprite.GetFrameImage(1)->IsRunLengthEncoded());
        EXPECT_EQ(sprite.GetTrimRect(2), (Rect{2, 1, 5, 3}));
        EXPECT_EQ(sprite.GetDecodedFrame(), -1);

        Fill(0);
        sprite.SetTime(0.15f);  // frame 1: block 3 × 3 at (1, 1)
        EXPECT_EQ(sprite.GetWidth(), 3);
        sprite.Draw(100, 100);
        EXPECT_EQ(sprite.GetDecodedFrame(), 1);
        EXPECT_EQ(At(101, 101), Pixel(FrameColour(1))) << format.name;
        EXPECT_EQ(At(103, 103), Pixel(FrameColour(1))) << format.name;
        EXPECT_EQ(At(104, 101), 0u) << format.name;

        sprite.SetTime(0.35f);  // loops back to frame 0
        EXPECT_EQ(sprite.GetWidth(), 2);
        Fill(0);
        sprite.Draw(100, 100);
        EXPECT_EQ(sprite.GetDecodedFrame(), 0);
        EXPECT_EQ(At(100, 101), Pixel(FrameColour(0))) << format.name;
        EXPECT_EQ(At(102, 101), 0u) << format.name;

        sprite.Restore();
        EXPECT_EQ(sprite.GetDecodedFrame(), -1);
    }
}

TEST_F(AnimatedRLESpriteTest, EachFrameShowsItsBlackAsTransparentWhetherOrNotTheOthersHaveBlack) {
    // Three 9 × 5 frames: the first without black, the second with one black pixel in its last
    // corner, the third without black again; untrimmed, drawn over a coloured screen.
    constexpr uint32_t kScreen = 0x306090;
    auto strip = [](int x, int y) {
        const int f = y / 5, row = y % 5;
        if (f == 1 && x == 8 && row == 4) return 0u;
        return 0x080000u * static_cast<uint32_t>(x + 1) | 0x000800u * static_cast<uint32_t>(row + 1) |
               0x000008u * static_cast<uint32_t>(f + 1);
    };
    for (const auto& format : kFormats) {
        Open(format);
        AnimatedRLESprite sprite;
        ASSERT_TRUE(sprite.Create(*Picture(9, 15, strip), 3, 0.3f, false, true));
        for (const int f : {0, 1, 2, 1, 0}) {
            sprite.SetTime(0.1f * static_cast<float>(f) + 0.05f);
            Fill(kScreen);
            sprite.Draw(40, 50);
            for (int y = 0; y < 5; ++y) {
                for (int x = 0; x < 9; ++x) {
                    const uint32_t rgb = strip(x, f * 5 + y);
                    ASSERT_EQ(At(40 + x, 50 + y), Pixel(rgb == 0 ? kScreen : rgb))
                        << format.name << " frame " << f << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(AnimatedRLESpriteTest, FrameListOrdersTheSteps) {
    Open(kFormats[0]);
    AnimatedRLESprite sprite;
    ASSERT_TRUE(sprite.Create(*Picture(10, 18, Strip), 3, 1.0f, false, false));
    sprite.SetFrameList({2, 2, 0});
    sprite.SetTime(0.5f);
    Fill(0);
    sprite.Draw(0, 0);
    EXPECT_EQ(sprite.GetDecodedFrame(), 2);
    EXPECT_EQ(At(2, 1), Pixel(FrameColour(2)));  // untrimmed: the block stays at its frame position
    // Without trim every frame keeps the whole frame size.
    EXPECT_EQ(sprite.GetWidth(), 10);
    EXPECT_EQ(sprite.GetHeight(), 6);
}

}  // namespace
