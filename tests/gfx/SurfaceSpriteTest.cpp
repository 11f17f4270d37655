#include "gfx/SurfaceSprite.h"

#include <gtest/gtest.h>

#include "SpriteTestSupport.h"

namespace {

using spritetest::DisplayTest;
using spritetest::kFormats;

constexpr uint32_t kBackground = 0x204060;

// Every column and row a colour of its own (5-bit steps, so 16-bit displays keep them apart).
uint32_t Coded(int x, int y) {
    return static_cast<uint32_t>(((x % 31) + 1) * 8) << 16 | static_cast<uint32_t>((x / 31 + 1) * 8) << 8 |
           static_cast<uint32_t>((y + 1) * 8);
}

class SurfaceSpriteTest : public DisplayTest {};

TEST_F(SurfaceSpriteTest, ClippedAtTheLeftEdgeShowsTheRightColumns) {
    for (const auto& format : kFormats) {
        Open(format);
        Fill(kBackground);
        SurfaceSprite sprite;
        ASSERT_TRUE(sprite.Create(Picture(50, 4, Coded), 50, 4, 0, 0, false));
        sprite.Draw(-10, 100);
        for (int c = 0; c < 40; ++c) ASSERT_EQ(At(c, 101), Pixel(Coded(c + 10, 1))) << format.name << " column " << c;
        EXPECT_EQ(At(40, 101), Pixel(kBackground)) << format.name;
    }
}

TEST_F(SurfaceSpriteTest, ClippedAtTheRightAndBottomEdges) {
    Open(kFormats[0]);
    Fill(kBackground);
    SurfaceSprite sprite;
    ASSERT_TRUE(sprite.Create(Picture(50, 4, Coded), 50, 4, 0, 0, false));
    sprite.Draw(780, 597);
    EXPECT_EQ(At(799, 599), Pixel(Coded(19, 2)));
    EXPECT_EQ(At(780, 597), Pixel(Coded(0, 0)));
}

TEST_F(SurfaceSpriteTest, BlackIsTransparentUnlessOpaque) {
    Open(kFormats[0]);
    auto withHole = [](int x, int y) { return x == 1 && y == 1 ? 0u : 0xF8F8F8u; };
    SurfaceSprite sprite;
    ASSERT_TRUE(sprite.Create(Picture(3, 3, withHole), 3, 3, 0, 0, false));
    Fill(kBackground);
    sprite.Draw(10, 10);
    EXPECT_EQ(At(11, 11), Pixel(kBackground));
    EXPECT_EQ(At(10, 10), Pixel(0xF8F8F8));
    DrawParams opaque;
    opaque.flags = DrawParams::DestinationPosition | DrawParams::Opaque;
    opaque.dstX = opaque.dstY = 10;
    sprite.Draw(opaque);
    EXPECT_EQ(At(11, 11), 0u);
}

TEST_F(SurfaceSpriteTest, APictureWithoutBlackDrawsAsTheKeyedBlitWouldWhereverItsBlackIs) {
    // Pictures of odd and even widths with one black pixel at the first, the last or an inner
    // place, or none; whole pictures and a window of a larger one. Each is drawn plain and
    // stretched over a coloured screen: black shows the screen, every other pixel the picture.
    struct Case {
        int width, height;
        int blackX, blackY;  // -1: no black pixel
        int windowWidth, windowHeight;
        bool keyed;
    };
    const Case cases[] =
        {
            {7, 3, -1, -1, 7, 3, false}, {8, 2, -1, -1, 8, 2, false}, {7, 3, 0, 0, 7, 3, true},
            {7, 3, 6, 2, 7, 3, true},    {17, 2, 16, 1, 17, 2, true}, {9, 4, 4, 2, 9, 4, true},
            {9, 4, -1, -1, 5, 4, true},   // a window: the rest of the picture is never uploaded
            {9, 4, -1, -1, 12, 6, true},  // a window larger than the picture leaves black around it
        };
    for (const auto& format : kFormats) {
        Open(format);
        for (const Case& c : cases) {
            auto rgb = [&c](int x, int y) { return x == c.blackX && y == c.blackY ? 0u : Coded(x, y); };
            SurfaceSprite sprite;
            ASSERT_TRUE(sprite.Create(Picture(c.width, c.height, rgb), c.windowWidth, c.windowHeight, 0, 0, false));
            EXPECT_EQ(sprite.IsKeyed(), c.keyed) << format.name << " " << c.width << "x" << c.height;
            auto expected = [&](int x, int y) {
                const bool inside = x < c.width && y < c.height;
                return inside && rgb(x, y) != 0 ? Pixel(rgb(x, y)) : Pixel(kBackground);
            };
            Fill(kBackground);
            sprite.Draw(20, 30);
            for (int y = 0; y < c.windowHeight; ++y) {
                for (int x = 0; x < c.windowWidth; ++x) {
                    ASSERT_EQ(At(20 + x, 30 + y), expected(x, y))
                        << format.name << " " << c.width << "x" << c.height << " at " << x << "," << y;
                }
            }
            // Stretched to twice the size: each picture pixel covers two by two screen pixels.
            Fill(kBackground);
            sprite.DrawRegionStretched(Rect{0, 0, c.windowWidth - 1, c.windowHeight - 1},
                                       Rect{100, 100, 100 + 2 * c.windowWidth - 1, 100 + 2 * c.windowHeight - 1});
            for (int y = 0; y < 2 * c.windowHeight; ++y) {
                for (int x = 0; x < 2 * c.windowWidth; ++x) {
                    ASSERT_EQ(At(100 + x, 100 + y), expected(x / 2, y / 2))
                        << format.name << " stretched " << c.width << "x" << c.height << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(SurfaceSpriteTest, TrimCropsToContentAndKeepsItsPlace) {
    Open(kFormats[0]);
    auto box = [](int x, int y) { return x >= 5 && x <= 9 && y >= 2 && y <= 6 ? Coded(x, y) : 0u; };
    SurfaceSprite sprite;
    ASSERT_TRUE(sprite.Create(Picture(20, 10, box), 20, 10, 0, 0, true));
    EXPECT_EQ(sprite.GetWidth(), 5);
    EXPECT_EQ(sprite.GetHeight(), 5);
    Fill(kBackground);
    sprite.Draw(100, 100);
    EXPECT_EQ(At(105, 102), Pixel(Coded(5, 2)));
    EXPECT_EQ(At(109, 106), Pixel(Coded(9, 6)));
    EXPECT_EQ(At(104, 102), Pixel(kBackground));
    // Centred on the trimmed size, then moved by the trim offset.
    Fill(kBackground);
    sprite.DrawCentered(100, 100);
    EXPECT_EQ(At(100 - 2 + 5, 100 - 2 + 2), Pixel(Coded(5, 2)));
}

TEST_F(SurfaceSpriteTest, StretchedAndRegionDraws) {
    Open(kFormats[0]);
    Fill(kBackground);
    SurfaceSprite sprite;
    ASSERT_TRUE(sprite.Create(Picture(4, 4, Coded), 4, 4, 0, 0, false));
    sprite.DrawStretched(10, 10, 8, 8);
    EXPECT_EQ(At(10, 10), Pixel(Coded(0, 0)));
    EXPECT_EQ(At(17, 17), Pixel(Coded(3, 3)));
    EXPECT_EQ(At(18, 18), Pixel(kBackground));
    sprite.DrawRegion(Rect{1, 2, 2, 3}, 50, 50);
    EXPECT_EQ(At(50, 50), Pixel(Coded(1, 2)));
    EXPECT_EQ(At(51, 51), Pixel(Coded(2, 3)));
    EXPECT_EQ(At(52, 51), Pixel(kBackground));
}

TEST_F(SurfaceSpriteTest, WindowOfALargerPictureAndUploadRect) {
    Open(kFormats[0]);
    SurfaceSprite sprite;
    // A 4 × 2 surface showing the window at (2, 3) of a 10 × 10 picture.
    ASSERT_TRUE(sprite.Create(Picture(10, 10, Coded), 4, 2, 2, 3, false));
    Fill(kBackground);
    sprite.Draw(0, 0);
    EXPECT_EQ(At(0, 0), Pixel(Coded(2, 3)));
    EXPECT_EQ(At(3, 1), Pixel(Coded(5, 4)));
    // Surface row 0 refilled from picture rows at y + 0 = 7.
    sprite.UploadRect(0, 7, Rect{0, 0, 3, 0});
    sprite.Draw(0, 0);
    EXPECT_EQ(At(1, 0), Pixel(Coded(1, 7)));
    EXPECT_EQ(At(1, 1), Pixel(Coded(3, 4)));
    // A rectangle that would read below the picture copies nothing.
    sprite.UploadRect(0, 9, Rect{0, 0, 3, 1});
    sprite.Draw(0, 0);
    EXPECT_EQ(At(1, 1), Pixel(Coded(3, 4)));
}

TEST_F(SurfaceSpriteTest, DrawOnLostSurfacesAsksForRestore) {
    Open(kFormats[0]);
    SurfaceSprite sprite;
    ASSERT_TRUE(sprite.Create(Picture(4, 4, Coded), 4, 4, 0, 0, false));
    DirectDraw::Instance().GetDevice()->LoseAllSurfaces();
    sprite.Draw(0, 0);
    EXPECT_TRUE(SpriteManager::Instance().IsRestoreRequested());
    EXPECT_FALSE(platform::IsQuitPosted());
}

}  // namespace
