#include "gfx/ImageConverter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <set>
#include <vector>

#include "gfx/Image.h"
#include "gfx/PixelFormat.h"
#include "platform/Headless.h"

namespace {

std::unique_ptr<Image> Constant24(int width, int height, uint8_t red, uint8_t green, uint8_t blue) {
    auto image = std::make_unique<Image>();
    EXPECT_TRUE(image->Create(width, height, 24));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = image->PixelAddress(x, y);
            p[0] = blue;
            p[1] = green;
            p[2] = red;
        }
    }
    return image;
}

uint16_t Pixel16(const Image& image, int x, int y) {
    uint16_t v;
    std::memcpy(&v, image.PixelAddress(x, y), 2);
    return v;
}

class ImageConverterTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetHeadless(true); }
    ImageConverter& converter = ImageConverter::Instance();
};

TEST_F(ImageConverterTest, DitheringRoundsUpInTheProportionOfTheDroppedBits) {
    constexpr int kWidth = 64;
    struct Case {
        const char* what;
        PixelFormat format;
        uint8_t value;       // the same in every channel
        int roundedPerRow;   // of kWidth pixels
        uint32_t low, high;  // the 5-bit values seen
    };
    const Case cases[] = {
        {"low bits 4, 565", PixelFormat::Rgb565(), 0x44, kWidth / 2, 8, 9},
        {"low bits 4, 555", PixelFormat::Rgb555(), 0x44, kWidth / 2, 8, 9},
        {"low bit 1", PixelFormat::Rgb565(), 0x41, kWidth / 8, 8, 9},
        {"no low bits", PixelFormat::Rgb565(), 0x40, 0, 8, 8},
        {"255 never passes 31", PixelFormat::Rgb565(), 0xFF, 0, 31, 31},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Image> out =
            converter.ConvertTo16Bit(Constant24(kWidth, 8, c.value, c.value, c.value), c.format);
        ASSERT_EQ(out->GetBitsPerPixel(), 16) << c.what;
        std::set<std::vector<bool>> patterns;
        for (int y = 0; y < 8; ++y) {
            std::vector<bool> pattern;
            int rounded = 0;
            for (int x = 0; x < kWidth; ++x) {
                const uint16_t p = Pixel16(*out, x, y);
                const uint32_t red = (p & c.format.redMask) >> c.format.redShift;
                const uint32_t green = (p & c.format.greenMask) >> c.format.greenShift;
                const uint32_t blue = (p & c.format.blueMask) >> c.format.blueShift;
                ASSERT_TRUE(red == c.low || red == c.high) << c.what << " red " << red;
                ASSERT_TRUE(green == c.low || green == c.high) << c.what << " green " << green;
                ASSERT_TRUE(blue == c.low || blue == c.high) << c.what << " blue " << blue;
                rounded += red == c.high && c.high != c.low;
                pattern.push_back(red == c.high);
            }
            EXPECT_EQ(rounded, c.roundedPerRow) << c.what << " row " << y;
            patterns.insert(pattern);
        }
        // The starting error is drawn per row, so rows do not all share one phase.
        if (c.roundedPerRow != 0) {
            EXPECT_GT(patterns.size(), 1u) << c.what;
        }
    }
}

TEST_F(ImageConverterTest, TheRgb565RowGivesThePixelsAndErrorsOfTheGeneralRow) {
    // Channel values at and around every 5-bit step's edges, and every starting error.
    const uint8_t edges[] = {0, 1, 6, 7, 8, 9, 15, 16, 127, 128, 247, 248, 249, 254, 255};
    uint32_t random = 11;
    auto next = [&random] { return (random = random * 1103515245u + 12345u) >> 16; };
    for (const int width : {1, 2, 3, 5, 15, 16, 17, 31, 33, 48, 64, 801}) {
        std::vector<uint8_t> bgr(static_cast<size_t>(width) * 3);
        for (int round = 0; round < 48; ++round) {
            for (uint8_t& b : bgr) b = round % 2 == 0 ? edges[next() % std::size(edges)] : static_cast<uint8_t>(next());
            const ImageConverter::DitherError start{static_cast<uint32_t>(round) % 8, next() % 8, next() % 8};
            std::vector<uint8_t> general(static_cast<size_t>(width) * 2, 0xAB);
            std::vector<uint8_t> fast(general);
            ImageConverter::DitherError generalError = start;
            ImageConverter::DitherError fastError = start;
            ImageConverter::DitherRow(bgr.data(), general.data(), width, PixelFormat::Rgb565(), generalError);
            ImageConverter::DitherRow565(bgr.data(), fast.data(), width, fastError);
            ASSERT_EQ(fast, general) << width << " pixels, round " << round;
            EXPECT_EQ(fastError.red, generalError.red) << width << " pixels, round " << round;
            EXPECT_EQ(fastError.green, generalError.green) << width << " pixels, round " << round;
            EXPECT_EQ(fastError.blue, generalError.blue) << width << " pixels, round " << round;
        }
    }
}

TEST_F(ImageConverterTest, PalettePicturesConvertThroughTheirPalette) {
    auto image = std::make_unique<Image>();
    ASSERT_TRUE(image->Create(2, 1, 8));
    uint8_t* entry = image->GetPalette() + 5 * 4;
    entry[0] = 255;  // blue
    entry[1] = 0;
    entry[2] = 255;  // red
    image->GetPixels()[0] = 5;
    image->GetPixels()[1] = 0xFF;  // grey ramp: white
    std::unique_ptr<Image> out = converter.ConvertTo16Bit(std::move(image), PixelFormat::Rgb565());
    EXPECT_EQ(Pixel16(*out, 0, 0), 0xF81F);
    EXPECT_EQ(Pixel16(*out, 1, 0), 0xFFDF);
}

TEST_F(ImageConverterTest, ThirtyTwoBitPixelsPutEachChannelAtItsByte) {
    const PixelFormat format = PixelFormat::FromMasks(32, 0x0000FF, 0x00FF00, 0xFF0000);  // red in byte 0
    std::unique_ptr<Image> out = converter.ConvertTo16Bit(Constant24(1, 1, 3, 2, 1), format);
    ASSERT_EQ(out->GetBitsPerPixel(), 32);
    const uint8_t* p = out->PixelAddress(0, 0);
    EXPECT_EQ(std::vector<uint8_t>(p, p + 4), (std::vector<uint8_t>{3, 2, 1, 0}));
}

TEST_F(ImageConverterTest, AlphaIsTheRoundedDownAverage) {
    auto palette = std::make_unique<Image>();
    ASSERT_TRUE(palette->Create(1, 1, 8));
    palette->GetPixels()[0] = 255;  // white in the grey ramp
    EXPECT_EQ(converter.ConvertTo8BitAlpha(std::move(palette))->GetPixels()[0], 255);
    std::unique_ptr<Image> alpha = converter.ConvertTo8BitAlpha(Constant24(1, 1, 31, 20, 10));
    ASSERT_EQ(alpha->GetBitsPerPixel(), 8);
    EXPECT_EQ(alpha->GetPixels()[0], 20);         // 61 / 3
    EXPECT_EQ(alpha->GetPixel(0, 0), 0x141414u);  // read through the grey ramp
}

TEST_F(ImageConverterTest, UnsupportedPicturesComeBackUnchangedAfterTheErrorBox) {
    struct Case {
        int sourceBits;
        int displayBits;
        bool alpha;
        const char* text;
    };
    const Case cases[] = {
        {1, 16, false, "ImageConverter::ConvertTo16Bit: illegal source image"},
        {32, 16, false, "ImageConverter::ConvertTo16Bit: illegal source image"},
        {16, 32, false, "ImageConverter::ConvertTo16Bit: illegal source image"},
        {24, 24, false, "not supported screen depth"},
        {16, 16, true, "ImageConverter::ConvertTo8BitAlpha: illegal source image"},
    };
    for (const Case& c : cases) {
        auto image = std::make_unique<Image>();
        ASSERT_TRUE(image->Create(2, 2, c.sourceBits));
        const Image* original = image.get();
        PixelFormat format = PixelFormat::Rgb565();
        format.bitsPerPixel = c.displayBits;
        testing::internal::CaptureStderr();
        std::unique_ptr<Image> out = c.alpha ? converter.ConvertTo8BitAlpha(std::move(image))
                                             : converter.ConvertTo16Bit(std::move(image), format);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string("ERROR: ") + c.text + "\n");
        EXPECT_EQ(out.get(), original) << c.text;
    }
}

}  // namespace
