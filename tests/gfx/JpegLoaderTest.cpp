#include "gfx/JpegLoader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "DisplayTestSupport.h"
#include "gfx/Image.h"

namespace {

class JpegLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<uint8_t> rgb;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                rgb.push_back(static_cast<uint8_t>(x * 19));
                rgb.push_back(static_cast<uint8_t>(255 - y * 30));
                rgb.push_back(static_cast<uint8_t>((x * y * 7) % 256));
            }
        }
        folder.Write("in.ppm", imagemagick::Ppm(kWidth, kHeight, rgb));
    }

    // Loads `name` and expects nothing, with one line on standard error naming the file and `reason`.
    void ExpectRefused(const std::string& name, const std::string& reason) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(JpegLoader::Instance().Load(folder.File(name)), nullptr) << name;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(name), std::string::npos) << said;
        EXPECT_NE(said.find(reason), std::string::npos) << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    }

    static constexpr int kWidth = 13;
    static constexpr int kHeight = 7;
    ScratchFolder folder;
};

TEST_F(JpegLoaderTest, ColourAndGreyPicturesDecodeAsImageMagickDecodesThem) {
    RJ_REQUIRE_IMAGEMAGICK();
    for (const char* options : {"-quality 90", "-quality 75 -colorspace Gray -type Grayscale"}) {
        ASSERT_TRUE(imagemagick::Convert(folder.File("in.ppm") + " " + options + " " + folder.File("p.jpg")));
        std::unique_ptr<Image> image = JpegLoader::Instance().Load(folder.File("p.jpg"));
        ASSERT_NE(image, nullptr) << options;
        ASSERT_EQ(image->GetBitsPerPixel(), 24);
        ASSERT_EQ(image->GetWidth(), kWidth);
        ASSERT_EQ(image->GetHeight(), kHeight);
        const std::vector<uint8_t> rgb = imagemagick::Pixels(folder, "p.jpg");
        ASSERT_EQ(rgb.size(), static_cast<size_t>(kWidth * kHeight * 3));
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                // Both use libjpeg's default decoder; allow one step for its rounding choices.
                const uint8_t* p = &rgb[(y * kWidth + x) * 3];
                const uint8_t* q = image->PixelAddress(x, y);  // blue, green, red
                for (int c = 0; c < 3; ++c) {
                    ASSERT_LE(std::abs(static_cast<int>(q[2 - c]) - p[c]), 1)
                        << options << " at " << x << "," << y << " channel " << c;
                }
            }
        }
    }
}

TEST_F(JpegLoaderTest, CorruptOrUnsupportedFilesGiveNothing) {
    RJ_REQUIRE_IMAGEMAGICK();
    ASSERT_TRUE(imagemagick::Convert(folder.File("in.ppm") + " " + folder.File("whole.jpg")));
    std::vector<uint8_t> bytes = folder.Read("whole.jpg");
    folder.Write("cut.jpg", std::vector<uint8_t>(bytes.begin(), bytes.begin() + bytes.size() / 2));
    ExpectRefused("cut.jpg", "unreadable JPEG");
    folder.Write("noise.jpg", {0xFF, 0xD8, 0x12, 0x34, 0x56});
    ExpectRefused("noise.jpg", "unreadable JPEG");
    ExpectRefused("missing.jpg", "cannot open");
    // The frame header claims a width of 16385 (ImageMagick itself refuses to make one so wide).
    std::vector<uint8_t> wide = bytes;
    bool patched = false;
    for (size_t i = 0; i + 8 < wide.size() && !patched; ++i) {
        if (wide[i] == 0xFF && (wide[i + 1] == 0xC0 || wide[i + 1] == 0xC2)) {
            wide[i + 7] = 0x40;
            wide[i + 8] = 0x01;
            patched = true;
        }
    }
    ASSERT_TRUE(patched);
    folder.Write("wide.jpg", wide);
    ExpectRefused("wide.jpg", "larger than 16384");
    ASSERT_TRUE(imagemagick::Convert(folder.File("in.ppm") + " -colorspace CMYK " + folder.File("cmyk.jpg")));
    ExpectRefused("cmyk.jpg", "colour components");
}

}  // namespace
