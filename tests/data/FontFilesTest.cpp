// The generated fonts read back with the game's Font: every character code 32 … 255 has a glyph
// rectangle inside the glyph picture, of the font's height, holding ink (space aside), with
// transparent picture around it, so the rectangle formula and the first row's shift of the
// .fnt records agree with where the glyphs were drawn.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "files/FileLoader.h"
#include "gfx/Font.h"
#include "gfx/Image.h"
#include "gfx/ImageLookup.h"

namespace {

using ::testing::IsEmpty;

constexpr uint32_t kMagenta = 0xFF00FF;
constexpr int kFirstCode = 32;
constexpr int kLastCode = 255;
constexpr int kNoBreakSpace = 0xA0;

struct FontFile {
    const char* file;
    const char* sprite;
};

const FontFile kFonts[] = {{"HUDFont.fnt", "HUD_FONT"}, {"ScoreFont.fnt", "SCORE_FONT"}};

void PrintTo(const FontFile& font, std::ostream* out) { *out << font.file; }

class FontFilesTest : public ::testing::TestWithParam<FontFile> {
protected:
    static void SetUpTestSuite() {
        FileLoader::SetDataRoot(RJ_DATA_DIR);
        FileLoader::Instance().Reinitialize();
        SettingsManager::Instance().Clear();
        ASSERT_TRUE(SettingsManager::Instance().Load(std::string(FileLoader::kDataFolder) + "config.txt"));
    }
    static void TearDownTestSuite() { SettingsManager::Instance().Clear(); }

    static bool ColumnIsClear(const Image& picture, int x, int top, int bottom) {
        if (x < 0 || x >= picture.GetWidth()) return true;
        for (int y = top; y <= bottom; ++y) {
            if (picture.GetPixel(x, y) != kMagenta) return false;
        }
        return true;
    }

    static bool HasInk(const Image& picture, const Rect& r) {
        for (int y = r.top; y <= r.bottom; ++y) {
            for (int x = r.left; x <= r.right; ++x) {
                if (picture.GetPixel(x, y) != kMagenta) return true;
            }
        }
        return false;
    }
};

TEST_P(FontFilesTest, EveryCodeHasItsGlyphInsideThePicture) {
    Font font;
    ASSERT_TRUE(font.Load(std::string(FileLoader::kDataFolder) + GetParam().file, MakeAssetKey(GetParam().sprite)));
    const std::unique_ptr<Image> picture = LoadImage(MakeAssetKey(GetParam().sprite), false);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->GetBitsPerPixel(), 24);
    EXPECT_EQ(font.GetTextureWidth(), picture->GetWidth());
    EXPECT_EQ(font.GetTextureHeight(), picture->GetHeight());

    std::vector<std::string> problems;
    for (int code = kFirstCode; code <= kLastCode; ++code) {
        const Rect r = font.GetGlyph(static_cast<uint16_t>(code));
        const std::string name = StringFormat("code %d (%d, %d, %d, %d)", code, r.left, r.top, r.right, r.bottom);
        if (r.left < 0 || r.top < 0 || r.right >= picture->GetWidth() || r.bottom >= picture->GetHeight() ||
            r.left >= r.right || r.top >= r.bottom) {
            problems.push_back(name + " is not a rectangle inside the picture");
            continue;
        }
        if (r.Height() != font.GetBaseOffset()) problems.push_back(name + " is not as tall as the font");
        if (code != ' ' && code != kNoBreakSpace && !HasInk(*picture, r)) {
            problems.push_back(name + " holds no glyph");
        }
        if (!ColumnIsClear(*picture, r.left - 1, r.top, r.bottom) ||
            !ColumnIsClear(*picture, r.right + 1, r.top, r.bottom)) {
            problems.push_back(name + " cuts through a glyph");
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(BothFonts, FontFilesTest, ::testing::ValuesIn(kFonts),
                         [](const ::testing::TestParamInfo<FontFile>& info) {
                             return std::string(info.param.sprite) == "HUD_FONT" ? "Hud" : "Score";
                         });

}  // namespace
