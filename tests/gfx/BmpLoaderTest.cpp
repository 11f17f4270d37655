#include "gfx/BmpLoader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "DisplayTestSupport.h"
#include "gfx/Image.h"

namespace {

class BmpLoaderTest : public ::testing::Test {
protected:
    std::unique_ptr<Image> Read(const std::vector<uint8_t>& bytes, std::string& error) {
        folder.Write("t.bmp", bytes);
        return BmpLoader::Instance().TryLoad(folder.File("t.bmp"), error);
    }

    // Compares every pixel with what ImageMagick reads from the same file.
    void ExpectSameAsImageMagick(const std::string& name, int width, int height) {
        std::string error;
        std::unique_ptr<Image> image = BmpLoader::Instance().TryLoad(folder.File(name), error);
        ASSERT_NE(image, nullptr) << name << ": " << error;
        ASSERT_EQ(image->GetWidth(), width);
        ASSERT_EQ(image->GetHeight(), height);
        const std::vector<uint8_t> rgb = imagemagick::Pixels(folder, name);
        ASSERT_EQ(rgb.size(), static_cast<size_t>(width * height * 3)) << name;
        std::set<uint32_t> colours;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const uint8_t* p = &rgb[(y * width + x) * 3];
                const uint32_t expected = p[0] << 16 | p[1] << 8 | p[2];
                ASSERT_EQ(Colour(*image, x, y), expected) << name << " at " << x << "," << y;
                colours.insert(expected);
            }
        }
        EXPECT_GT(colours.size(), 1u) << name << " is a picture of one colour: it proves little";
    }

    // A 1-bit pixel shows the palette colour of its bit (in the game such pictures are shapes,
    // whose set bits count whatever the palette says).
    static uint32_t Colour(const Image& image, int x, int y) {
        if (image.GetBitsPerPixel() != 1) return image.GetPixel(x, y);
        const uint8_t* e = image.GetPalette() + (image.GetBit(x, y) ? 4 : 0);
        return e[2] << 16 | e[1] << 8 | e[0];
    }

    ScratchFolder folder;
};

// Distinct colours at every position, so a flipped or shifted row shows.
std::vector<uint8_t> Gradient(int width, int height) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            rgb.push_back(static_cast<uint8_t>(x * 37 + y * 11));
            rgb.push_back(static_cast<uint8_t>(x * 5 + y * 70));
            rgb.push_back(static_cast<uint8_t>(x * 90 + y * 3));
        }
    }
    return rgb;
}

// Black and white in an irregular pattern, for the 1-bit pictures.
std::vector<uint8_t> Shape(int width, int height) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) rgb.insert(rgb.end(), 3, (x * 3 + y * 5) % 7 < 3 ? 255 : 0);
    }
    return rgb;
}

TEST_F(BmpLoaderTest, PicturesWrittenByImageMagickReadPixelForPixel) {
    RJ_REQUIRE_IMAGEMAGICK();
    struct Case {
        const char* name;
        int width, height;
        const char* options;
    };
    // Odd widths make every row padded; 35 colours make ImageMagick write an 8-bit palette.
    const Case cases[] = {
        {"rgb5.bmp", 5, 3, "-type TrueColor"},
        {"rgb7.bmp", 7, 4, "-type TrueColor"},
        {"pal7.bmp", 7, 5, "-type Palette -compress None"},
        {"bits9.bmp", 9, 3, "-monochrome -compress None"},
        {"bits1.bmp", 1, 4, "-monochrome -compress None"},
    };
    for (const Case& c : cases) {
        const bool bilevel = std::string(c.options).find("monochrome") != std::string::npos;
        folder.Write("in.ppm", imagemagick::Ppm(c.width, c.height,
                                                bilevel ? Shape(c.width, c.height) : Gradient(c.width, c.height)));
        ASSERT_TRUE(imagemagick::Convert(std::string(c.options) + " " + folder.File("in.ppm") +
                                         " BMP3:" + folder.File(c.name)));
        ExpectSameAsImageMagick(c.name, c.width, c.height);
    }
    std::string error;
    EXPECT_EQ(BmpLoader::Instance().TryLoad(folder.File("pal7.bmp"), error)->GetBitsPerPixel(), 8);
    EXPECT_EQ(BmpLoader::Instance().TryLoad(folder.File("bits9.bmp"), error)->GetBitsPerPixel(), 1);
}

TEST_F(BmpLoaderTest, RowsArePaddedAndStoredBottomUp) {
    BmpBytes bmp;
    bmp.width = 1;
    bmp.height = 2;
    bmp.bitCount = 8;
    bmp.coloursUsed = 2;
    bmp.palette = {0, 0, 0, 0, 255, 255, 255, 0};
    bmp.rows = {1, 9, 9, 9, 0, 9, 9, 9};  // bottom row white, top row black; three pad bytes each
    std::string error;
    std::unique_ptr<Image> image = Read(bmp.Build(), error);
    ASSERT_NE(image, nullptr) << error;
    EXPECT_EQ(image->GetPixel(0, 0), 0u);
    EXPECT_EQ(image->GetPixel(0, 1), 0xFFFFFFu);
}

TEST_F(BmpLoaderTest, AShortPaletteLeavesTheOtherEntriesMagenta) {
    BmpBytes bmp;
    bmp.width = 3;
    bmp.bitCount = 8;
    bmp.coloursUsed = 16;
    for (int i = 0; i < 16; ++i) bmp.palette.insert(bmp.palette.end(), {uint8_t(i), uint8_t(i), uint8_t(i), 0});
    bmp.rows = {15, 16, 255, 0};  // the last two indices lie past the palette
    std::string error;
    std::unique_ptr<Image> image = Read(bmp.Build(), error);
    ASSERT_NE(image, nullptr) << error;
    EXPECT_EQ(image->GetPixel(0, 0), 0x0F0F0Fu);
    EXPECT_EQ(image->GetPixel(1, 0), 0xFF00FFu);
    EXPECT_EQ(image->GetPixel(2, 0), 0xFF00FFu);
    const uint8_t* entry = image->GetPalette() + 255 * 4;
    EXPECT_EQ(std::vector<uint8_t>(entry, entry + 3), (std::vector<uint8_t>{255, 0, 255}));
}

TEST_F(BmpLoaderTest, ATruncatedFileGivesABlackRest) {
    struct Case {
        uint16_t bits;
        std::vector<uint8_t> palette;
        uint32_t expectedTop;  // colour of the missing top row
    };
    // The 8-bit palette has no black entry: an undefined one is made black for the missing part.
    std::vector<Case> cases = {
        {24, {}, 0},
        {8, {255, 255, 255, 0, 0, 0, 255, 0}, 0},
    };
    // A full palette without black: the darkest entry stands in, not entry 0.
    std::vector<uint8_t> full;
    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<uint8_t>(i == 0 ? 255 : (i == 77 ? 20 : 60 + i % 190));
        full.insert(full.end(), {v, v, v, 0});
    }
    cases.push_back({8, full, 0x141414});
    for (const Case& c : cases) {
        BmpBytes bmp;
        bmp.width = 2;
        bmp.height = 2;
        bmp.bitCount = c.bits;
        bmp.palette = c.palette;
        bmp.coloursUsed = static_cast<uint32_t>(c.palette.size() / 4);
        if (c.bits == 24) {
            bmp.rows = {255, 255, 255, 255, 255, 255, 0, 0};  // bottom row white; the top row is missing
        } else {
            bmp.rows = {0, 1, 0, 0};
        }
        std::string error;
        testing::internal::CaptureStderr();
        std::unique_ptr<Image> image = Read(bmp.Build(), error);
        const std::string said = testing::internal::GetCapturedStderr();
        ASSERT_NE(image, nullptr) << error;
        EXPECT_NE(said.find("truncated"), std::string::npos);
        EXPECT_NE(said.find("t.bmp"), std::string::npos);
        EXPECT_EQ(image->GetPixel(0, 1), 0xFFFFFFu);  // the row that did arrive
        EXPECT_EQ(image->GetPixel(0, 0), c.expectedTop) << c.bits;
        EXPECT_EQ(image->GetPixel(1, 0), c.expectedTop) << c.bits;
    }
}

TEST_F(BmpLoaderTest, ATallPictureKeepsEveryByteThatArrivedWhereverTheFileEnds) {
    // Rows of 903 bytes padded to 904, about 680 kB: far more than one read. The file ends after
    // none, part of the first row, whole rows, in the middle of a row deep in, or not at all.
    constexpr int kWidth = 301;
    constexpr int kHeight = 700;
    constexpr size_t kRowBytes = 904;
    std::vector<uint8_t> rows(kRowBytes * kHeight);
    for (size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<uint8_t>(1 + (i * 7 + i / kRowBytes) % 251);
    for (const size_t arrived :
         {size_t{0}, size_t{5}, kRowBytes * 290, kRowBytes * 291 + 17, kRowBytes * 583 - 1, rows.size()}) {
        BmpBytes bmp;
        bmp.width = kWidth;
        bmp.height = kHeight;
        bmp.rows.assign(rows.begin(), rows.begin() + static_cast<ptrdiff_t>(arrived));
        std::string error;
        testing::internal::CaptureStderr();
        std::unique_ptr<Image> image = Read(bmp.Build(), error);
        const std::string said = testing::internal::GetCapturedStderr();
        ASSERT_NE(image, nullptr) << error;
        EXPECT_EQ(said.find("truncated") != std::string::npos, arrived < rows.size()) << arrived << ": " << said;
        for (int fileRow = 0; fileRow < kHeight; ++fileRow) {
            const uint8_t* stored = image->PixelAddress(0, kHeight - 1 - fileRow);
            for (size_t b = 0; b < kWidth * 3; ++b) {
                const size_t at = fileRow * kRowBytes + b;
                const uint8_t expected = at < arrived ? rows[at] : 0;
                ASSERT_EQ(stored[b], expected) << arrived << " bytes arrived; file row " << fileRow << ", byte " << b;
            }
        }
    }
}

TEST_F(BmpLoaderTest, UnsupportedOrImpossibleHeadersAreRefusedWithAReason) {
    struct Case {
        const char* what;
        BmpBytes bmp;
        const char* reason;
    };
    auto with = [](auto change) {
        BmpBytes b;
        b.rows = {1, 2, 3, 0};
        change(b);
        return b;
    };
    const Case cases[] = {
        {"zero width", with([](BmpBytes& b) { b.width = 0; }), "size"},
        {"top-down", with([](BmpBytes& b) { b.height = -1; }), "bottom-up"},
        {"too wide", with([](BmpBytes& b) { b.width = 16385; }), "larger than"},
        {"overflowing", with([](BmpBytes& b) { b.width = b.height = 0x40000000; }), "larger than"},
        // A few bytes that would take more than a gigabyte.
        {"16384 x 16384", with([](BmpBytes& b) { b.width = b.height = 16384; }), "more than"},
        {"palette of 300", with([](BmpBytes& b) {
             b.bitCount = 8;
             b.coloursUsed = 300;
         }),
         "palette"},
        {"4 bits", with([](BmpBytes& b) { b.bitCount = 4; }), "bits per pixel"},
        {"32 bits", with([](BmpBytes& b) { b.bitCount = 32; }), "bits per pixel"},
        {"run-length compressed", with([](BmpBytes& b) {
             b.bitCount = 8;
             b.compression = 1;
         }),
         "compression"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_EQ(Read(c.bmp.Build(), error), nullptr) << c.what;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
    }
    std::string error;
    EXPECT_EQ(Read({'B', 'M', 0, 0}, error), nullptr);
    EXPECT_EQ(BmpLoader::Instance().TryLoad(folder.File("missing.bmp"), error), nullptr);
}

TEST_F(BmpLoaderTest, AnUnreadableBmpEndsTheProcessWithStatusOneAndSaysWhy) {
    BmpBytes bmp;
    bmp.bitCount = 4;
    folder.Write("four.bmp", bmp.Build());
    const std::string path = folder.File("four.bmp");
    EXPECT_EXIT(BmpLoader::Instance().Load(path), testing::ExitedWithCode(1), "four.bmp: unreadable BMP: 4 bits");
}

}  // namespace
