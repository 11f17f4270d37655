#include "app/FrameCapture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace {

platform::FrameView View565(const std::vector<uint16_t>& pixels, int width, int height, int pitchPixels) {
    return platform::FrameView::Rgb565(pixels.data(), width, height, pitchPixels * 2);
}

TEST(FrameCaptureTest, WidensSixteenBitChannelsToFullScale) {
    // 3 × 2 with a padded pitch of 4 pixels.
    const std::vector<uint16_t> pixels{0xF800, 0x07E0, 0x001F, 0xBEEF, 0xFFFF, 0x0000, 0x8410, 0xDEAD};
    FrameCapture capture;
    capture.Take(View565(pixels, 3, 2, 4));
    EXPECT_EQ(capture.PixelAt(0, 0), 0xFF0000u);
    EXPECT_EQ(capture.PixelAt(1, 0), 0x00FF00u);
    EXPECT_EQ(capture.PixelAt(2, 0), 0x0000FFu);
    EXPECT_EQ(capture.PixelAt(0, 1), 0xFFFFFFu);
    EXPECT_EQ(capture.PixelAt(1, 1), 0x000000u);
    EXPECT_EQ(capture.PixelAt(2, 1), 0x848284u);  // 16, 32, 16 of 31, 63, 31
}

TEST(FrameCaptureTest, KeepsThePresentedFrameWhenTheSurfaceIsDrawnAgain) {
    std::vector<uint16_t> pixels{0xF800, 0x07E0, 0x001F, 0xFFFF};
    FrameCapture capture;
    capture.Take(View565(pixels, 2, 2, 2));
    pixels.assign(pixels.size(), 0x0000);  // the game draws its next frame into the same memory
    EXPECT_EQ(capture.PixelAt(0, 0), 0xFF0000u);
    EXPECT_EQ(capture.PixelAt(1, 1), 0xFFFFFFu);
}

TEST(FrameCaptureTest, ConvertsThirtyTwoBitFrames) {
    const std::vector<uint32_t> pixels{0x00123456, 0x00FFFFFF, 0x00000000, 0x00ABCDEF};
    platform::FrameView view;
    view.pixels = pixels.data();
    view.pitch = 8;
    view.width = 2;
    view.height = 2;
    view.bitsPerPixel = 32;
    view.redMask = 0x00FF0000;
    view.greenMask = 0x0000FF00;
    view.blueMask = 0x000000FF;
    FrameCapture capture;
    capture.Take(view);
    EXPECT_EQ(capture.PixelAt(0, 0), 0x123456u);
    EXPECT_EQ(capture.PixelAt(1, 1), 0xABCDEFu);
    EXPECT_EQ(capture.PixelAt(2, 0), 0u);  // outside the frame
}

TEST(FrameCaptureTest, WritesABottomUpTwentyFourBitBmp) {
    const std::vector<uint16_t> pixels{0xF800, 0x07E0, 0x001F, 0xFFFF, 0x0000, 0x0000};
    FrameCapture capture;
    capture.Take(View565(pixels, 3, 2, 3));
    const TempFolder folder("rj-frame-capture");
    const std::string path = folder.File("frame.bmp");
    ASSERT_TRUE(capture.WriteBmp(path));
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // 54 header bytes, two rows of 9 bytes padded to 12.
    ASSERT_EQ(bytes.size(), 54u + 24u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[28], 24);  // bits per pixel
    // First stored row is the bottom one: white, black, black, stored blue-green-red.
    EXPECT_EQ(bytes[54], 0xFF);
    EXPECT_EQ(bytes[57], 0x00);
    // Top row: red first.
    EXPECT_EQ(bytes[66], 0x00);
    EXPECT_EQ(bytes[68], 0xFF);
}

}  // namespace
