#include "gfx/Font.h"

#include <gtest/gtest.h>

#include <memory>

#include "SpriteTestSupport.h"
#include "settings/SettingsManager.h"
#include "files/FileLoader.h"
#include "gfx/HUDFont.h"

namespace {

using spritetest::DataFolder;
using spritetest::RecordingSprite;

// Texture 64 × 32, base offset 10. 'A' is given twice (the later record wins); 'B' sits at the top
// of the picture (b = 32 − 10), so its x coordinates move by 4; 'C' wraps at the texture width.
constexpr const char* kFnt =
    "0 7\r\n"
    "64 32\r\n"
    "5 10\r\n"
    "5\r\n"
    "1 2\r\n"
    "41 0 10 12 17 0\r\n"
    "42 0 2 22 9 0\r\n"
    "43 0 60 12 66 0\r\n"
    "41 0 20 12 27 0\r\n"
    "broken line\r\n"
    "44 0 1 1 1 0\r\n";

class FontTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetHeadless(true);
        platform::ResetQuitState();
        data_.WriteText("Test.fnt", kFnt);
        data_.WriteText("config.txt", "smallFontSizeFactor 0.5\n");
        FileLoader::SetDataRoot(data_.Path());
        FileLoader::Instance().Reinitialize();
        SettingsManager::Instance().Clear();
        SettingsManager::Instance().Load("data\\config.txt");
        ASSERT_TRUE(font_.Load("data\\Test.fnt", "testfont"));
        auto sprite = std::make_unique<RecordingSprite>();
        sprite_ = sprite.get();
        SpriteManager::Instance().AddSprite("testfont", std::move(sprite));
    }
    void TearDown() override {
        SpriteManager::Instance().Clear();
        SettingsManager::Instance().Clear();
        platform::ResetQuitState();
    }

    DataFolder data_{"font"};
    Font font_;
    RecordingSprite* sprite_ = nullptr;
};

TEST_F(FontTest, HeaderAndGlyphRectangles) {
    EXPECT_EQ(font_.GetTextureWidth(), 64);
    EXPECT_EQ(font_.GetTextureHeight(), 32);
    EXPECT_EQ(font_.GetBaseOffset(), 10);
    EXPECT_FLOAT_EQ(font_.GetScale(), 0.5f);
    EXPECT_EQ(font_.GetGlyph('A'), (Rect{20, 10, 27, 19}));
    EXPECT_EQ(font_.GetGlyph('B'), (Rect{6, 0, 13, 9}));
    EXPECT_EQ(font_.GetGlyph('C'), (Rect{60, 10, 2, 19}));
    // The broken line counts as the fifth glyph line: 'D' after it is never read.
    EXPECT_EQ(font_.GetGlyph('D'), Rect{});
    EXPECT_EQ(font_.GlyphCount(), 3u);
}

TEST_F(FontTest, Widths) {
    struct Case {
        const char* text;
        int width, scaled;
    };
    const Case cases[] = {
        {"", 0, 0}, {"A", 8, 4}, {"A B", 24, 12}, {"AB\rA", 16, 8}, {"Z", 1, 0},  // no glyph: spacing only
    };
    for (const Case& c : cases) {
        EXPECT_EQ(font_.TextWidth(c.text), c.width) << c.text;
        EXPECT_EQ(font_.ScaledTextWidth(c.text), c.scaled) << c.text;
    }
}

TEST_F(FontTest, LeftAndRightAlignedPlacement) {
    ASSERT_TRUE(font_.DrawText(100, 50, "AB A", false));
    ASSERT_EQ(sprite_->seen.size(), 3u);
    EXPECT_EQ(sprite_->seen[0].dstX, 100);
    EXPECT_EQ(sprite_->seen[0].SourceRect(0, 0), font_.GetGlyph('A'));
    EXPECT_EQ(sprite_->seen[1].dstX, 108);
    EXPECT_EQ(sprite_->seen[2].dstX, 124);
    EXPECT_EQ(sprite_->seen[2].dstY, 50);

    sprite_->seen.clear();
    ASSERT_TRUE(font_.DrawText(100, 50, "AA", true));
    ASSERT_EQ(sprite_->seen.size(), 2u);
    EXPECT_EQ(sprite_->seen[0].dstX, 92);  // the last character is drawn first
    EXPECT_EQ(sprite_->seen[1].dstX, 84);

    sprite_->seen.clear();
    EXPECT_TRUE(font_.DrawText(0, 0, "", false));
    EXPECT_TRUE(sprite_->seen.empty());
}

TEST_F(FontTest, ScaledTextStopsAtCarriageReturn) {
    ASSERT_TRUE(font_.DrawTextScaled(10, 20, "A A\rA"));
    ASSERT_EQ(sprite_->seen.size(), 2u);
    // 'A' is 8 wide: stretched to x … x + trunc(7 × 0.5), then the pen moves by trunc(7 × 0.5 + 1).
    EXPECT_EQ(sprite_->seen[0].DestinationRect(), (Rect{10, 20, 13, 24}));
    EXPECT_EQ(sprite_->seen[1].dstX, 18);  // 14, then a space of 8 × 0.5
    EXPECT_TRUE(sprite_->seen[1].Has(DrawParams::DestinationSize));
}

TEST_F(FontTest, MissingFileOrSprite) {
    Font missing;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(missing.Load("data\\Nothing.fnt", "testfont"));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Nothing.fnt"), std::string::npos);
    EXPECT_EQ(platform::GetQuitExitCode(), -1);

    platform::ResetQuitState();
    Font noSprite;
    ASSERT_TRUE(noSprite.Load("data\\Test.fnt", "nosuchfont"));
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(noSprite.DrawText(0, 0, "A", false));
    EXPECT_FALSE(noSprite.DrawTextScaled(0, 0, "A"));
    ::testing::internal::GetCapturedStderr();
}

// A header without a sensible picture size or glyph count is a damaged file: named, and the
// game asked to end. Glyph numbers outside the picture (up to the largest int) leave that glyph
// out, named once, instead of overflowing in the rectangle and clipping arithmetic.
TEST_F(FontTest, DamagedFilesAreNamed) {
    struct Case {
        const char* what;
        const char* text;
        bool loads;
        const char* said;
    };
    const Case cases[] = {
        {"random bytes", "\x93\x01garbage\nmore\n", false, "damaged font file"},
        {"empty", "", false, "damaged font file"},
        {"huge texture", "0 7\n2147483647 32\n5 10\n1\n1 2\n41 0 1 2 3 0\n", false, "damaged font file"},
        {"base below the picture", "0 7\n64 32\n5 40\n1\n1 2\n41 0 1 2 3 0\n", false, "damaged font file"},
        {"glyph count", "0 7\n64 32\n5 10\n-3\n1 2\n", false, "damaged font file"},
        {"glyph near INT_MAX", "0 7\n64 32\n5 10\n2\n1 2\n41 0 2147483647 2147483600 2147483647 0\n42 0 1 2 3 0\n",
         true, "glyph line 6"},
        {"negative glyph", "0 7\n64 32\n5 10\n2\n1 2\n42 0 -4 2 3 0\n41 0 -2147483647 2 3 0\n", true, "glyph line 7"},
        {"glyphs missing", "0 7\n64 32\n5 10\n9\n1 2\n41 0 1 2 3 0\n", true, "9 glyphs declared but 1 found"},
    };
    for (const Case& c : cases) {
        platform::ResetQuitState();
        data_.WriteText("Damaged.fnt", c.text);
        Font font;
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(font.Load("data\\Damaged.fnt", "testfont"), c.loads) << c.what;
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("Damaged.fnt"), std::string::npos) << c.what << ": " << said;
        EXPECT_NE(said.find(c.said), std::string::npos) << c.what << ": " << said;
        EXPECT_EQ(platform::IsQuitPosted(), !c.loads) << c.what;
        if (c.loads) {
            EXPECT_EQ(font.GlyphCount(), 1u) << c.what;  // the damaged glyph is left out
        }
    }
}

TEST_F(FontTest, SingletonsAreFonts) {
    ASSERT_TRUE(HUDFont::Instance().Load("data\\Test.fnt", "testfont"));
    EXPECT_EQ(HUDFont::Instance().TextWidth("AB"), 16);
}

}  // namespace
