#include "gfx/Image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "gfx/DirectDraw.h"
#include "gfx/PixelFormat.h"

namespace {

// Pictures read and write display pixels through the display's format; no display is needed.
class ImageTest : public ::testing::Test {
protected:
    void TearDown() override { DirectDraw::Instance().SetPixelFormat(PixelFormat{}); }
    static void Use(const PixelFormat& format) { DirectDraw::Instance().SetPixelFormat(format); }
};

TEST_F(ImageTest, DisplayPixelsKeepFiveBitsPerChannelOnSixteenBitDisplays) {
    struct Case {
        const char* what;
        PixelFormat format;
        int bits;
        uint32_t written, stored, read;
    };
    const Case cases[] = {
        // 565: green keeps five bits, so its lowest bit stays 0.
        {"565", PixelFormat::Rgb565(), 16, 0xFFFFFF, 0xFFDF, 0xF8F8F8},
        {"565 red", PixelFormat::Rgb565(), 16, 0x0F0000, 0x0800, 0x080000},
        {"555", PixelFormat::Rgb555(), 16, 0xFFFFFF, 0x7FFF, 0xF8F8F8},
        {"555 blue", PixelFormat::Rgb555(), 16, 0x0000FF, 0x001F, 0x0000F8},
        {"32-bit", PixelFormat::Xrgb8888(), 32, 0x123456, 0x123456, 0x123456},
    };
    for (const Case& c : cases) {
        Use(c.format);
        Image image;
        ASSERT_TRUE(image.Create(3, 2, c.bits));
        image.SetPixel(2, 1, c.written);
        uint32_t stored = 0;
        std::memcpy(&stored, image.PixelAddress(2, 1), c.bits / 8);
        EXPECT_EQ(stored, c.stored) << c.what;
        EXPECT_EQ(image.GetPixel(2, 1), c.read) << c.what;
        EXPECT_EQ(image.GetPixel(0, 0), 0u) << c.what;
    }
}

TEST_F(ImageTest, PalettePicturesStoreTheFirstMatchingIndex) {
    Image image;
    ASSERT_TRUE(image.Create(2, 2, 8));
    // The grey ramp: entry i is (i, i, i).
    EXPECT_EQ(image.GetPixel(0, 0), 0u);
    image.SetPixel(1, 0, 0x404040);
    EXPECT_EQ(*image.PixelAddress(1, 0), 0x40);
    EXPECT_EQ(image.GetPixel(1, 0), 0x404040u);
    EXPECT_EQ(image.FindPaletteIndex(0x010203), 0);  // no such entry
    image.DropPalette();
    EXPECT_EQ(image.FindPaletteIndex(0x404040), 0);
}

TEST_F(ImageTest, OneBitPicturesPackBitsAcrossRows) {
    Image image;
    ASSERT_TRUE(image.Create(3, 3, 1));
    EXPECT_EQ(image.GetPixelBytes(), 2u);  // 9 bits
    image.SetBit(2, 2, true);              // bit 8: the first of the second byte
    EXPECT_EQ(image.GetPixels()[1], 0x80);
    EXPECT_EQ(image.GetPixel(2, 2), 0xFFFFFFu);
    EXPECT_EQ(image.GetPixel(1, 2), 0u);
}

TEST_F(ImageTest, MirroringSwapsWholePixelsAtEveryDepth) {
    for (int bits : {1, 8, 16, 24, 32}) {
        for (int width : {1, 4, 5}) {
            Image image;
            ASSERT_TRUE(image.Create(width, 2, bits));
            // Every byte of every pixel distinct (1 bit: an irregular pattern of set bits).
            auto pixel = [&](int x, int y) {
                if (bits == 1) return std::vector<uint8_t>{static_cast<uint8_t>(image.GetBit(x, y))};
                const uint8_t* p = image.PixelAddress(x, y);
                return std::vector<uint8_t>(p, p + bits / 8);
            };
            for (int y = 0; y < 2; ++y) {
                for (int x = 0; x < width; ++x) {
                    if (bits == 1) {
                        image.SetBit(x, y, (x + 2 * y) % 3 == 0);
                    } else {
                        for (int k = 0; k < bits / 8; ++k)
                            image.PixelAddress(x, y)[k] = static_cast<uint8_t>(40 * k + 5 * x + y + 1);
                    }
                }
            }
            std::vector<uint8_t> before[2][5];  // up to 5 pixels a row
            for (int y = 0; y < 2; ++y) {
                for (int x = 0; x < width; ++x) before[y][x] = pixel(x, y);
            }
            image.MirrorHorizontally();
            for (int y = 0; y < 2; ++y) {
                for (int x = 0; x < width; ++x)
                    EXPECT_EQ(pixel(x, y), before[y][width - 1 - x])
                        << bits << " bits, width " << width << ", at " << x << "," << y;
            }
        }
    }
}

TEST_F(ImageTest, ImpossibleSizesAndDepthsAreRefused) {
    Image image;
    for (auto [w, h, bits] : {std::tuple{0, 1, 8}, {1, -1, 8}, {Image::kMaxDimension + 1, 1, 8}, {4, 4, 4}}) {
        EXPECT_FALSE(image.Create(w, h, bits)) << w << "x" << h << "x" << bits;
        EXPECT_EQ(image.GetPixelBytes(), 0u);
        EXPECT_EQ(image.GetPixel(0, 0), 0u);
    }
}

}  // namespace
