#include "gfx/ImageUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/PixelFormat.h"
#include "gfx/RunLength.h"
#include "platform/Headless.h"

namespace {

class ImageUtilTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetHeadless(true);
        DirectDraw::Instance().SetPixelFormat(PixelFormat::Rgb565());
    }
    void TearDown() override { DirectDraw::Instance().SetPixelFormat(PixelFormat{}); }

    static std::unique_ptr<Image> Row16(const std::vector<uint16_t>& pixels) {
        auto image = std::make_unique<Image>();
        EXPECT_TRUE(image->Create(static_cast<int>(pixels.size()), 1, 16));
        std::memcpy(image->GetPixels(), pixels.data(), pixels.size() * 2);
        return image;
    }

    ImageUtil& util = ImageUtil::Instance();
};

TEST_F(ImageUtilTest, TransparentRemapOfPixelsAndPalettes) {
    struct Case {
        uint8_t red, green, blue;
        uint8_t toRed, toGreen, toBlue;
    };
    const Case cases[] = {
        {255, 0, 255, 0, 0, 0}, {240, 7, 240, 0, 0, 0}, {239, 0, 255, 239, 0, 255}, {7, 7, 7, 8, 8, 8},
        {0, 0, 0, 8, 8, 8},     {8, 0, 0, 8, 0, 0},     {255, 8, 255, 255, 8, 255},
    };
    Image pixels;
    ASSERT_TRUE(pixels.Create(std::size(cases), 1, 24));
    Image palette;
    ASSERT_TRUE(palette.Create(1, 1, 8));
    for (size_t i = 0; i < std::size(cases); ++i) {
        uint8_t* p = pixels.PixelAddress(static_cast<int>(i), 0);
        uint8_t* e = palette.GetPalette() + i * 4;
        p[0] = e[0] = cases[i].blue;
        p[1] = e[1] = cases[i].green;
        p[2] = e[2] = cases[i].red;
    }
    ASSERT_TRUE(util.RemapTransparentColor(pixels));
    ASSERT_TRUE(util.RemapTransparentColor(palette));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const uint32_t expected = c.toRed << 16 | c.toGreen << 8 | c.toBlue;
        EXPECT_EQ(pixels.GetPixel(static_cast<int>(i), 0), expected) << "case " << i;
        const uint8_t* e = palette.GetPalette() + i * 4;
        EXPECT_EQ(static_cast<uint32_t>(e[2] << 16 | e[1] << 8 | e[0]), expected) << "palette case " << i;
    }
    Image other;
    ASSERT_TRUE(other.Create(1, 1, 16));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(util.RemapTransparentColor(other));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "ERROR: ImageUtil::RemapTransparentColor: unsupported depth\n");
}

TEST_F(ImageUtilTest, TheTransparentRemapOfManyPixelsFollowsTheRuleAtEveryPosition) {
    // Values at and beside both limits, in pictures whose pixel counts leave every remainder of a
    // block of sixteen, so that every position of a block and of the rest is met.
    const uint8_t values[] = {0, 1, 7, 8, 9, 100, 239, 240, 241, 255};
    uint32_t random = 5;
    auto next = [&random] { return (random = random * 1103515245u + 12345u) >> 16; };
    for (int width = 1; width <= 40; ++width) {
        for (int height : {1, 3}) {
            Image image;
            ASSERT_TRUE(image.Create(width, height, 24));
            const size_t bytes = static_cast<size_t>(width) * height * 3;
            std::vector<uint8_t> before(bytes);
            for (size_t i = 0; i < bytes; i += 3) {
                // Mostly magenta-like and near-black pixels, the cases the rule is about.
                const int kind = static_cast<int>(next() % 3);
                for (size_t k = 0; k < 3; ++k) {
                    const uint8_t pick = values[next() % std::size(values)];
                    before[i + k] = kind == 0   ? pick
                                    : kind == 1 ? static_cast<uint8_t>(pick % 8)
                                                : (k == 1 ? pick % 8 : 240 + pick % 16);
                }
            }
            std::memcpy(image.GetPixels(), before.data(), bytes);
            ASSERT_TRUE(util.RemapTransparentColor(image));
            for (size_t i = 0; i < bytes; i += 3) {
                const uint8_t blue = before[i], green = before[i + 1], red = before[i + 2];
                uint8_t expected[3] = {blue, green, red};
                if (red < 8 && green < 8 && blue < 8) {
                    expected[0] = expected[1] = expected[2] = 8;
                } else if (red >= 240 && green < 8 && blue >= 240) {
                    expected[0] = expected[1] = expected[2] = 0;
                }
                ASSERT_EQ(std::memcmp(image.GetPixels() + i, expected, 3), 0)
                    << "pixel " << i / 3 << " of " << width << " x " << height << ": " << int{red} << "," << int{green}
                    << "," << int{blue} << " became " << int{image.GetPixels()[i + 2]} << ","
                    << int{image.GetPixels()[i + 1]} << "," << int{image.GetPixels()[i]};
            }
        }
    }
}

TEST_F(ImageUtilTest, MaskBitsMakePixelsBlackOnlyWhenSizesMatch) {
    std::unique_ptr<Image> image = Row16({0xFFFF, 0xFFFF, 0xFFFF});
    Image mask;
    ASSERT_TRUE(mask.Create(3, 1, 1));
    mask.SetBit(1, 0, true);
    ASSERT_TRUE(util.ApplyMask(*image, mask));
    EXPECT_NE(image->GetPixel(0, 0), 0u);
    EXPECT_EQ(image->GetPixel(1, 0), 0u);
    Image wrong;
    ASSERT_TRUE(wrong.Create(3, 2, 1));
    wrong.SetBit(0, 0, true);
    EXPECT_FALSE(util.ApplyMask(*image, wrong));
    EXPECT_NE(image->GetPixel(0, 0), 0u);
}

TEST_F(ImageUtilTest, BoundingBoxOfContentAndOfAnEmptyPicture) {
    Image image;
    ASSERT_TRUE(image.Create(10, 6, 16));
    EXPECT_EQ(util.GetBoundingBox(image), (Rect{5, 3, 5, 3}));
    image.SetPixel(2, 4, 0xFFFFFF);
    image.SetPixel(7, 1, 0x080000);  // the darkest red a 16-bit pixel holds still counts
    EXPECT_EQ(util.GetBoundingBox(image), (Rect{2, 1, 7, 4}));
}

// The box by its definition: every pixel whose colour (as GetPixel reads it) is not black.
Rect BoxByPixels(const Image& image) {
    Rect box{image.GetWidth(), image.GetHeight(), -1, -1};
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (image.GetPixel(x, y) == 0) continue;
            box = Rect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
        }
    }
    if (box.right < 0)
        return Rect{image.GetWidth() / 2, image.GetHeight() / 2, image.GetWidth() / 2, image.GetHeight() / 2};
    return box;
}

TEST_F(ImageUtilTest, BoundingBoxEqualsTheBoxOfTheVisiblePixelsAtEveryDepthAndFormat) {
    struct Case {
        int depth;
        PixelFormat format;
    };
    // 565 pixels with only green's lowest bit and 555 pixels with only the top bit carry no colour.
    const Case cases[] = {{8, PixelFormat::Rgb565()},
                          {16, PixelFormat::Rgb565()},
                          {16, PixelFormat::Rgb555()},
                          {24, PixelFormat::Rgb565()},
                          {32, PixelFormat::Xrgb8888()}};
    const uint32_t edgeBytes[] = {0x00000000, 0x00000020, 0x00008000, 0x00000001, 0x00000800,
                                  0x00010000, 0xFF000000, 0xFFFFFFFF, 0x00000100, 0x00800000};
    uint32_t random = 7;
    auto next = [&random] { return random = random * 1103515245u + 12345u; };
    for (const Case& c : cases) {
        DirectDraw::Instance().SetPixelFormat(c.format);
        for (int width : {1, 3, 7, 8, 9, 16, 17, 33, 70}) {
            for (int round = 0; round < 60; ++round) {
                const int height = 1 + static_cast<int>(next() >> 16) % 6;
                Image image;
                ASSERT_TRUE(image.Create(width, height, c.depth));
                if (c.depth == 8) {
                    // A palette with black entries beside grey ones, blue and a dark red.
                    uint8_t* palette = image.CreatePalette();
                    for (int i = 0; i < Image::kPaletteEntries; ++i) {
                        const uint32_t colour = i % 3 == 0 ? 0 : edgeBytes[i % std::size(edgeBytes)];
                        palette[i * 4 + 0] = static_cast<uint8_t>(colour);
                        palette[i * 4 + 1] = static_cast<uint8_t>(colour >> 8);
                        palette[i * 4 + 2] = static_cast<uint8_t>(colour >> 16);
                        palette[i * 4 + 3] = 0;
                    }
                }
                const int bytes = c.depth / 8;
                const int marks = static_cast<int>(next() >> 16) % 4;
                for (int m = 0; m < marks; ++m) {
                    const int x = static_cast<int>(next() >> 16) % width;
                    const int y = static_cast<int>(next() >> 16) % height;
                    // Palette pictures: any index, so each kind of entry is met.
                    const uint32_t value = c.depth == 8 ? (next() >> 16) % Image::kPaletteEntries
                                                        : edgeBytes[(next() >> 16) % std::size(edgeBytes)];
                    std::memcpy(image.PixelAddress(x, y), &value, bytes);
                }
                EXPECT_EQ(util.GetBoundingBox(image), BoxByPixels(image))
                    << c.depth << "-bit picture " << width << " x " << height << ", round " << round;
            }
        }
    }
}

TEST_F(ImageUtilTest, CopyRectCopiesBytesAndInvertsBetweenOneBitPictures) {
    std::unique_ptr<Image> source = Row16({1, 2, 3, 4});
    Image destination;
    ASSERT_TRUE(destination.Create(3, 2, 16));
    ASSERT_TRUE(util.CopyRect(*source, destination, Rect{1, 0, 3, 0}, 0, 1));
    uint16_t row[3];
    std::memcpy(row, destination.PixelAddress(0, 1), 6);
    EXPECT_EQ(std::vector<uint16_t>(row, row + 3), (std::vector<uint16_t>{2, 3, 4}));
    EXPECT_FALSE(util.CopyRect(*source, destination, Rect{0, 0, 3, 0}, 0, 0));  // 4 wide into 3
    EXPECT_FALSE(util.CopyRect(*source, destination, Rect{0, 0, 0, 0}, 0, 2));  // below the bottom
    EXPECT_FALSE(util.CopyRect(*source, destination, Rect{3, 0, 4, 0}, 0, 0));  // past the source
    Image eight;
    ASSERT_TRUE(eight.Create(3, 2, 8));
    EXPECT_FALSE(util.CopyRect(*source, eight, Rect{0, 0, 1, 0}, 0, 0));  // depths differ

    Image shape, mask;
    ASSERT_TRUE(shape.Create(4, 2, 1));
    ASSERT_TRUE(mask.Create(2, 2, 1));
    shape.SetBit(2, 0, true);
    shape.SetBit(1, 1, true);
    ASSERT_TRUE(util.CopyRect(shape, mask, Rect{1, 0, 2, 1}, 0, 0));
    EXPECT_TRUE(mask.GetBit(0, 0));   // shape clear
    EXPECT_FALSE(mask.GetBit(1, 0));  // shape set: a shadow pixel
    EXPECT_FALSE(mask.GetBit(0, 1));
    EXPECT_TRUE(mask.GetBit(1, 1));
}

TEST_F(ImageUtilTest, RunLengthPacketsAndRoundTrip) {
    struct Case {
        const char* what;
        std::vector<uint16_t> pixels;
        std::vector<int> headers;  // negative: literal count, positive: repeat count
    };
    std::vector<uint16_t> twoHundred(200, 0x1234);
    std::vector<uint16_t> mixed{1, 2, 3, 5, 5, 5, 5};
    const Case cases[] = {
        {"200 equal pixels", twoHundred, {127, 73}},
        {"literal then run", mixed, {-3, 4}},
        {"three equal are literals", {7, 7, 7, 1, 2}, {-5}},
        {"run crossing the whole", {9, 9, 9, 9}, {4}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Image> image = Row16(c.pixels);
        util.EncodeRunLength(*image);
        ASSERT_TRUE(image->IsRunLengthEncoded()) << c.what;
        const uint8_t* stream = image->GetPixels();
        std::vector<int> headers;
        for (size_t i = 0; i < image->GetPixelBytes();) {
            const int h = static_cast<int8_t>(stream[i++]);
            headers.push_back(h);
            i += h < 0 ? static_cast<size_t>(-h) * 2 : 2;
        }
        EXPECT_EQ(headers, c.headers) << c.what;
        std::vector<uint16_t> decoded(c.pixels.size());
        ASSERT_TRUE(runlength::Decode(stream, image->GetPixelBytes(), static_cast<int>(c.pixels.size()), 1, 2,
                                      reinterpret_cast<uint8_t*>(decoded.data()),
                                      static_cast<int>(decoded.size() * 2)));
        EXPECT_EQ(decoded, c.pixels) << c.what;
        const size_t before = image->GetPixelBytes();
        util.EncodeRunLength(*image);  // already encoded: unchanged
        EXPECT_EQ(image->GetPixelBytes(), before);
    }
    EXPECT_EQ(util.FindRunStart(*Row16(mixed), 0), 3);
    EXPECT_EQ(util.FindRunStart(*Row16(mixed), 4), 7);
}

}  // namespace
