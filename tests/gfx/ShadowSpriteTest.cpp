#include "gfx/ShadowSprite.h"

#include <gtest/gtest.h>

#include "SpriteTestSupport.h"

namespace {

using spritetest::DisplayTest;
using spritetest::kFormats;

class ShadowSpriteTest : public DisplayTest {};

// An 8 × 6 shadow picture whose set bits fill (2, 1) … (5, 3).
std::unique_ptr<Image> ShadowPicture() {
    auto image = std::make_unique<Image>();
    EXPECT_TRUE(image->Create(8, 6, 1));
    for (int y = 1; y <= 3; ++y) {
        for (int x = 2; x <= 5; ++x) image->SetBit(x, y, true);
    }
    return image;
}

TEST_F(ShadowSpriteTest, HalvesWhiteInTheShapeOnEveryFormat) {
    for (const auto& format : kFormats) {
        Open(format);
        Fill(0xFFFFFF);
        ShadowSprite sprite;
        ASSERT_TRUE(sprite.Create(*ShadowPicture(), 8, 6, true));
        EXPECT_EQ(sprite.GetWidth(), 8);
        EXPECT_EQ(sprite.GetHeight(), 6);
        sprite.Draw(100, 100);
        const int half = format.bits == 16 ? 15 : 127;
        for (int y = 101; y <= 103; ++y) {
            for (int x = 102; x <= 105; ++x) {
                for (int c = 0; c < 3; ++c)
                    ASSERT_EQ(Channel(At(x, y), c), half) << format.name << " " << x << "," << y;
            }
        }
        EXPECT_EQ(At(101, 101), Pixel(0xFFFFFF)) << format.name;
        EXPECT_EQ(At(106, 102), Pixel(0xFFFFFF)) << format.name;
        EXPECT_EQ(At(103, 104), Pixel(0xFFFFFF)) << format.name;
    }
}

TEST_F(ShadowSpriteTest, CentresOnTheNominalSizeAndClips) {
    Open(kFormats[0]);
    Fill(0xFFFFFF);
    ShadowSprite sprite;
    ASSERT_TRUE(sprite.Create(*ShadowPicture(), 8, 6, true));
    sprite.DrawCentered(100, 100);  // corner (96, 97), shape from (98, 98)
    EXPECT_NE(At(98, 98), Pixel(0xFFFFFF));
    EXPECT_EQ(At(97, 98), Pixel(0xFFFFFF));
    EXPECT_NE(At(101, 100), Pixel(0xFFFFFF));
    EXPECT_EQ(At(102, 100), Pixel(0xFFFFFF));

    Fill(0xFFFFFF);
    sprite.Draw(-4, 0);  // shape columns 2 … 5 land at −2 … 1: only 0 and 1 are shown
    EXPECT_NE(At(0, 1), Pixel(0xFFFFFF));
    EXPECT_NE(At(1, 1), Pixel(0xFFFFFF));
    EXPECT_EQ(At(2, 1), Pixel(0xFFFFFF));
}

TEST_F(ShadowSpriteTest, MirroredPictureMirrorsTheShape) {
    Open(kFormats[0]);
    auto picture = ShadowPicture();
    picture->SetBit(2, 1, false);  // the shape is symmetric until one corner goes
    picture->MirrorHorizontally();
    Fill(0xFFFFFF);
    ShadowSprite sprite;
    ASSERT_TRUE(sprite.Create(*picture, 8, 6, true));
    sprite.Draw(0, 0);
    EXPECT_EQ(At(5, 1), Pixel(0xFFFFFF));  // the cleared bit, mirrored to column 5
    EXPECT_NE(At(2, 1), Pixel(0xFFFFFF));
}

TEST_F(ShadowSpriteTest, RefusesPicturesThatAreNotOneBit) {
    Open(kFormats[0]);
    ShadowSprite sprite;
    EXPECT_FALSE(sprite.Create(*Picture(4, 4, [](int, int) { return 0xFFFFFFu; }), 4, 4, true));
}

}  // namespace
