#include "gfx/ImageLookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DisplayTestSupport.h"
#include "files/TempDataRoot.h"
#include "gfx/Image.h"

namespace {

std::string Text(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// 2 × 1, 24 bits: magenta (the art's transparent colour), then white.
std::string MagentaAndWhite() {
    BmpBytes bmp;
    bmp.width = 2;
    bmp.rows = {255, 0, 255, 255, 255, 255, 0, 0};
    return Text(bmp.Build());
}

// 2 × 1, 1 bit, with the given bits set.
std::string Mask(bool first, bool second) {
    BmpBytes bmp;
    bmp.width = 2;
    bmp.bitCount = 1;
    bmp.coloursUsed = 2;
    bmp.palette = {0, 0, 0, 0, 255, 255, 255, 0};
    bmp.rows = {static_cast<uint8_t>((first ? 0x80 : 0) | (second ? 0x40 : 0)), 0, 0, 0};
    return Text(bmp.Build());
}

class ImageLookupTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(display.ok()); }
    // The loader is process-wide: leave it reading loose files, as the next test expects.
    void TearDown() override {
        FileLoader::Instance().Close();
        std::filesystem::remove(data.Path() / "ReedJumper.dat");
        FileLoader::Instance().Reinitialize();
    }

    // A white 2 × 1 JPEG made by ImageMagick, in the data folder.
    void WriteWhiteJpeg(const std::string& name) {
        data.Write("w.ppm", Text(imagemagick::Ppm(2, 1, std::vector<uint8_t>(6, 255))));
        ASSERT_TRUE(
            imagemagick::Convert((data.Path() / "w.ppm").string() + " -quality 100 " + (data.Path() / name).string()));
        std::filesystem::remove(data.Path() / "w.ppm");
    }

    HeadlessDisplay display;
    TempDataRoot data;
};

TEST_F(ImageLookupTest, ABmpIsConvertedWithMagentaMadeTransparentAndWinsOverAJpeg) {
    data.Write("pic.bmp", MagentaAndWhite());
    data.Write("pic.jpg", "not a picture at all");
    data.Write("pic_Mask.bmp", Mask(false, true));  // belongs to the JPEG only
    data.Activate();
    std::unique_ptr<Image> image = LoadImage("pic", true);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetBitsPerPixel(), 16);
    EXPECT_EQ(image->GetPixel(0, 0), 0u);
    EXPECT_EQ(image->GetPixel(1, 0), 0xF8F8F8u);
    std::unique_ptr<Image> raw = LoadImage("pic", false);
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(raw->GetBitsPerPixel(), 24);
    EXPECT_EQ(raw->GetPixel(0, 0), 0xFF00FFu);
}

TEST_F(ImageLookupTest, AJpegTakesItsMaskWhenConverted) {
    RJ_REQUIRE_IMAGEMAGICK();
    WriteWhiteJpeg("photo.jpg");
    data.Write("photo_Mask.bmp", Mask(true, false));
    data.Activate();
    std::unique_ptr<Image> image = LoadImage("photo", true);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetPixel(0, 0), 0u);
    EXPECT_EQ(image->GetPixel(1, 0), 0xF8F8F8u);
    std::unique_ptr<Image> raw = LoadImage("photo", false);
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(raw->GetPixel(0, 0), 0xFFFFFFu);  // no conversion, no mask
}

TEST_F(ImageLookupTest, AMissingPictureQuitsWithMinusOneAndNamesIt) {
    data.Activate();
    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadImage("nothinghere", true), nullptr);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("\"nothinghere\""), std::string::npos);
    EXPECT_TRUE(platform::IsQuitPosted());
    EXPECT_EQ(platform::GetQuitExitCode(), -1);
}

TEST_F(ImageLookupTest, AlphaPicturesUseTheMaskOfTheBaseName) {
    RJ_REQUIRE_IMAGEMAGICK();
    data.Write("glowAlpha.bmp", MagentaAndWhite());
    WriteWhiteJpeg("haloAlpha.jpg");
    data.Write("halo_Mask.bmp", Mask(false, true));
    data.Write("haloAlpha_Mask.bmp", Mask(true, true));  // not the alpha picture's mask
    data.Activate();
    std::unique_ptr<Image> glow = LoadAlphaImage("glow");
    ASSERT_NE(glow, nullptr);
    EXPECT_EQ(glow->GetBitsPerPixel(), 8);
    EXPECT_EQ(glow->GetPixels()[0], 170);  // (255 + 0 + 255) / 3
    EXPECT_EQ(glow->GetPixels()[1], 255);
    std::unique_ptr<Image> halo = LoadAlphaImage("halo");
    ASSERT_NE(halo, nullptr);
    EXPECT_EQ(halo->GetPixels()[0], 255);
    EXPECT_EQ(halo->GetPixels()[1], 0);
    EXPECT_EQ(LoadAlphaImage("plain"), nullptr);
    EXPECT_FALSE(platform::IsQuitPosted());
}

TEST_F(ImageLookupTest, FrameListsReadOneNumberPerLine) {
    data.Write("hopFrames.txt", "0\r\n2\n\n  1 then words\r\nnone\n-3");
    data.Activate();
    std::vector<int> list{9, 9};
    EXPECT_TRUE(LoadFrameList("hop", list));
    EXPECT_EQ(list, (std::vector<int>{0, 2, 1, -3}));
    EXPECT_FALSE(LoadFrameList("skip", list));
    EXPECT_TRUE(list.empty());
}

TEST_F(ImageLookupTest, PicturesAndFrameListsInsideThePackReadOnlyTheirEntries) {
    RJ_REQUIRE_IMAGEMAGICK();
    WriteWhiteJpeg("white.jpg");
    const std::string jpeg = data.Read("white.jpg");
    std::filesystem::remove(data.Path() / "white.jpg");
    PackBuilder pack;
    pack.items = {{"test pack", "label"},
                  {"data\\photo.jpg", jpeg},
                  {"data\\photo_mask.bmp", Mask(true, false)},
                  {"data\\hopframes.txt", "4\n5"},  // no newline at its end: the next entry follows
                  {"data\\after.txt", "6\n7\n"}};
    data.Write("ReedJumper.dat", pack.Build());
    data.Activate();
    ASSERT_TRUE(FileLoader::Instance().PackAvailable());
    std::unique_ptr<Image> image = LoadImage("photo", true);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetPixel(0, 0), 0u);
    EXPECT_EQ(image->GetPixel(1, 0), 0xF8F8F8u);
    std::vector<int> list;
    EXPECT_TRUE(LoadFrameList("hop", list));
    EXPECT_EQ(list, (std::vector<int>{4, 5}));
}

}  // namespace
