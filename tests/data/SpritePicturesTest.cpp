// The colour-keyed pictures as the loader sees them: hard edges (no pixel half way between the
// art and the magenta key, which would show as a pink fringe) and no pure black inside the art
// (black is the game's transparent colour once a picture is loaded).
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "core/StringUtil.h"
#include "files/FileLoader.h"
#include "gfx/Image.h"
#include "gfx/ImageLookup.h"
#include "world/GameSprites.h"

namespace {

constexpr uint32_t kMagenta = 0xFF00FF;

// Reddish-purple enough to be key colour blended with art: what a soft edge leaves behind.
bool IsFringe(uint32_t c) {
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return c != kMagenta && r >= 200 && b >= 200 && g < 90;
}

class SpritePicturesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        FileLoader::SetDataRoot(RJ_DATA_DIR);
        // Other suites of this program may have used another root first.
        FileLoader::Instance().Reinitialize();
    }
};

TEST_F(SpritePicturesTest, ColourKeyedPicturesHaveHardEdgesAndNoBlack) {
    int checked = 0;
    for (const SpriteRegistration& row : GameSpriteRegistrations()) {
        if (row.kind == SpriteKind::Shadow) continue;
        const std::string name = MakeAssetKey(row.name);
        // JPEG pictures carry their transparency in a mask; only BMPs use the colour key.
        if (!FileLoader::Instance().FileExistsWithExtension(name, ".bmp")) continue;
        // Blended pictures keep soft colours at their rim on purpose (the alpha hides them).
        if (FileLoader::Instance().FileExistsWithExtension(name + "Alpha", ".bmp")) continue;
        std::unique_ptr<Image> picture = LoadImage(name, false);
        ASSERT_TRUE(picture) << name;
        ASSERT_EQ(picture->GetBitsPerPixel(), 24) << name;
        int fringe = 0, black = 0;
        for (int y = 0; y < picture->GetHeight(); ++y) {
            for (int x = 0; x < picture->GetWidth(); ++x) {
                const uint32_t c = picture->GetPixel(x, y);
                fringe += IsFringe(c);
                black += c == 0;
            }
        }
        EXPECT_EQ(fringe, 0) << name << ": pixels between art and the magenta key";
        EXPECT_EQ(black, 0) << name << ": pure black inside the art";
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
