#include "platform/FrameScaler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A 565 frame of the given pixels and a 32-bit target filled with a marker colour.
struct Fixture {
    Fixture(int width, int height, std::vector<uint16_t> pixels, int targetWidth, int targetHeight)
        : source(std::move(pixels)), target(static_cast<size_t>(targetWidth) * targetHeight, kMarker) {
        frame.pixels = source.data();
        frame.pitch = width * 2;
        frame.width = width;
        frame.height = height;
        frame.bitsPerPixel = 16;
        frame.redMask = 0xF800;
        frame.greenMask = 0x07E0;
        frame.blueMask = 0x001F;
        view = {target.data(), targetWidth * 4, targetWidth, targetHeight};
    }
    uint32_t At(int x, int y) const { return target[static_cast<size_t>(y) * view.width + x]; }

    static constexpr uint32_t kMarker = 0xABCDEF;
    std::vector<uint16_t> source;
    std::vector<uint32_t> target;
    platform::FrameView frame;
    platform::PixelTarget view;
    platform::FrameScaler scaler;
};

TEST(FrameScalerTest, OneToOneWidensEveryChannelByRepeatingItsTopBits) {
    Fixture f(3, 2, {0xF800, 0x07E0, 0x001F, 0xFFFF, 0x0000, 0x8410}, 5, 4);
    f.scaler.Draw(f.frame, f.view, {1, 1, 3, 2});
    EXPECT_EQ(f.At(1, 1), 0xFF0000u);
    EXPECT_EQ(f.At(2, 1), 0x00FF00u);
    EXPECT_EQ(f.At(3, 1), 0x0000FFu);
    EXPECT_EQ(f.At(1, 2), 0xFFFFFFu);
    EXPECT_EQ(f.At(2, 2), 0x000000u);
    EXPECT_EQ(f.At(3, 2), 0x848284u);  // 16, 32, 16 of 31, 63, 31
    // Outside the viewport nothing is touched.
    EXPECT_EQ(f.At(0, 0), Fixture::kMarker);
    EXPECT_EQ(f.At(4, 3), Fixture::kMarker);
    EXPECT_EQ(f.At(0, 1), Fixture::kMarker);
}

TEST(FrameScalerTest, AWholeFactorRepeatsEachPixelIntoASquare) {
    Fixture f(2, 2, {0xF800, 0x001F, 0x07E0, 0xFFFF}, 6, 6);
    f.scaler.Draw(f.frame, f.view, {0, 0, 6, 6});
    const uint32_t expected[2][2] = {{0xFF0000, 0x0000FF}, {0x00FF00, 0xFFFFFF}};
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) EXPECT_EQ(f.At(x, y), expected[y / 3][x / 3]) << x << "," << y;
    }
}

TEST(FrameScalerTest, OtherSizesAreFilteredBetweenNeighbours) {
    // Black to white across two pixels, stretched to five: the edges keep their colours, the
    // middle is grey and the ramp never falls.
    Fixture f(2, 1, {0x0000, 0xFFFF}, 5, 3);
    f.scaler.Draw(f.frame, f.view, {0, 0, 5, 3});
    EXPECT_EQ(f.At(0, 1), 0x000000u);
    EXPECT_EQ(f.At(4, 1), 0xFFFFFFu);
    const uint32_t middle = f.At(2, 1);
    EXPECT_EQ(middle & 0xFF, (middle >> 8) & 0xFF);
    EXPECT_GT(middle & 0xFF, 0x60u);
    EXPECT_LT(middle & 0xFF, 0xA0u);
    for (int x = 1; x < 5; ++x) EXPECT_GE(f.At(x, 1) & 0xFF, f.At(x - 1, 1) & 0xFF) << x;
    for (int y = 0; y < 3; ++y) EXPECT_EQ(f.At(2, y), middle) << "a one-row frame is the same in every row";
}

TEST(FrameScalerTest, AFlatColourStaysExactlyFlatAtAnySize) {
    for (const auto& [w, h] : {std::pair{7, 5}, std::pair{3, 11}, std::pair{13, 13}}) {
        Fixture f(4, 3, std::vector<uint16_t>(12, 0x8410), w, h);
        f.scaler.Draw(f.frame, f.view, {0, 0, w, h});
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) ASSERT_EQ(f.At(x, y), 0x848284u) << w << "x" << h << " at " << x << "," << y;
        }
    }
}

TEST(FrameScalerTest, AViewportReachingPastTheTargetIsClipped) {
    Fixture f(2, 2, {0xF800, 0x001F, 0x07E0, 0xFFFF}, 3, 3);
    f.scaler.Draw(f.frame, f.view, {-2, -2, 4, 4});  // factor 2, only the last quarter lands
    EXPECT_EQ(f.At(0, 0), 0xFFFFFFu);
    EXPECT_EQ(f.At(1, 1), 0xFFFFFFu);
    EXPECT_EQ(f.At(2, 2), Fixture::kMarker);
    f.scaler.Draw(f.frame, f.view, {1, 1, 5, 5});  // filtered, clipped at the right and bottom
    EXPECT_EQ(f.At(1, 1), 0xFF0000u);
    EXPECT_EQ(f.At(0, 0), 0xFFFFFFu);  // left alone
}

}  // namespace
