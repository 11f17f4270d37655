#include "gfx/AlphaSprite.h"

#include <gtest/gtest.h>

#include "SpriteTestSupport.h"

namespace {

using spritetest::DisplayTest;
using spritetest::kFormats;

class AlphaSpriteTest : public DisplayTest {
protected:
    // Full channel value of the display: 31 on 16 bits, 255 on 32.
    static int Full() { return DirectDraw::Instance().GetBitsPerPixel() == 16 ? 31 : 255; }
};

TEST_F(AlphaSpriteTest, HalfAlphaBlendsOnEveryFormat) {
    for (const auto& format : kFormats) {
        Open(format);
        Fill(0x000000);
        AlphaSprite sprite;
        // White, alpha 128 on the left half and 255 on the right; alpha 0 in the last row.
        ASSERT_TRUE(sprite.Create(Picture(8, 3, [](int, int) { return 0xFFFFFFu; }),
                                  AlphaPicture(8, 3, [](int x, int y) { return y == 2  ? 0
                                                                               : x < 4 ? 128
                                                                                       : 255; }), 8, 3,
                                  0, 0, false));
        sprite.Draw(200, 300);
        const int half = Full() / 2;
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(Channel(At(200, 300), c), half) << format.name;
            EXPECT_EQ(Channel(At(207, 301), c), Full()) << format.name;
            EXPECT_EQ(Channel(At(203, 302), c), 0) << format.name;
        }
        EXPECT_EQ(At(208, 300), 0u) << format.name;
    }
}

TEST_F(AlphaSpriteTest, TrimUsesTheUnionOfColourAndAlphaContent) {
    Open(kFormats[0]);
    AlphaSprite sprite;
    auto colour = Picture(10, 8, [](int x, int y) { return x >= 2 && x <= 4 && y >= 2 && y <= 4 ? 0xF8F8F8u : 0u; });
    auto alpha = AlphaPicture(10, 8, [](int x, int y) { return x >= 3 && x <= 6 && y >= 1 && y <= 3 ? 255 : 0; });
    ASSERT_TRUE(sprite.Create(std::move(colour), std::move(alpha), 10, 8, 0, 0, true));
    EXPECT_EQ(sprite.GetWidth(), 5);
    EXPECT_EQ(sprite.GetHeight(), 4);
    Fill(0x808080);
    sprite.Draw(100, 100);
    EXPECT_EQ(At(103, 102), Pixel(0xF8F8F8));  // colour and alpha overlap: opaque white
    EXPECT_EQ(At(106, 101), 0u);               // alpha without colour: opaque black
    EXPECT_EQ(At(102, 104), Pixel(0x808080));  // colour without alpha: unchanged
}

TEST_F(AlphaSpriteTest, ClipsAtTheLeftEdge) {
    Open(kFormats[0]);
    Fill(0x000000);
    AlphaSprite sprite;
    ASSERT_TRUE(sprite.Create(Picture(6, 2, [](int x, int) { return static_cast<uint32_t>((x + 1) * 32) << 16; }),
                              AlphaPicture(6, 2, [](int, int) { return 255; }), 6, 2, 0, 0, false));
    sprite.Draw(-2, 0);
    EXPECT_EQ(At(0, 0), Pixel(3 * 32 << 16));
    EXPECT_EQ(At(3, 1), Pixel(6 * 32 << 16));
    EXPECT_EQ(At(4, 0), 0u);
}

TEST_F(AlphaSpriteTest, MismatchedAlphaAndStretchingAskToQuit) {
    Open(kFormats[0]);
    AlphaSprite wrong;
    EXPECT_FALSE(wrong.Create(Picture(4, 4, [](int, int) { return 0xFFFFFFu; }),
                              AlphaPicture(4, 5, [](int, int) { return 255; }), 4, 4, 0, 0, false));
    EXPECT_EQ(platform::GetQuitExitCode(), -1);

    platform::ResetQuitState();
    Fill(0x000000);
    AlphaSprite sprite;
    ASSERT_TRUE(sprite.Create(Picture(4, 4, [](int, int) { return 0xFFFFFFu; }),
                              AlphaPicture(4, 4, [](int, int) { return 255; }), 4, 4, 0, 0, false));
    sprite.DrawStretched(0, 0, 8, 8);
    EXPECT_EQ(platform::GetQuitExitCode(), -1);
    EXPECT_EQ(At(0, 0), 0u);
}

TEST_F(AlphaSpriteTest, LockFailureReportsTheSpriteInvalid) {
    Open(kFormats[0]);
    auto owned = std::make_unique<AlphaSprite>();
    ASSERT_TRUE(owned->Create(Picture(4, 4, [](int, int) { return 0xFFFFFFu; }),
                              AlphaPicture(4, 4, [](int, int) { return 255; }), 4, 4, 0, 0, false));
    Sprite* sprite = SpriteManager::Instance().AddSprite("blend", std::move(owned));
    platform::DisplayDevice::FailNext(platform::DisplayOp::Lock, platform::DDERR_GENERIC);
    sprite->Draw(10, 10);
    ::testing::internal::CaptureStderr();
    SpriteManager::Instance().CheckInvalidSprites();
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("invalid sprite"), std::string::npos);
    EXPECT_EQ(SpriteManager::Instance().FindSprite("blend"), nullptr);

    // Surface loss is no fault of the sprite: restore requested, nothing reported.
    auto second = std::make_unique<AlphaSprite>();
    ASSERT_TRUE(second->Create(Picture(4, 4, [](int, int) { return 0xFFFFFFu; }), nullptr, 4, 4, 0, 0, false));
    Sprite* kept = SpriteManager::Instance().AddSprite("blend2", std::move(second));
    DirectDraw::Instance().GetDevice()->LoseAllSurfaces();
    kept->Draw(10, 10);
    EXPECT_TRUE(SpriteManager::Instance().IsRestoreRequested());
    SpriteManager::Instance().CheckInvalidSprites();
    EXPECT_EQ(SpriteManager::Instance().FindSprite("blend2"), kept);
}

}  // namespace
