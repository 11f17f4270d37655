#include "platform/FrameScaler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// A 565 frame of the given pixels and a 32-bit target filled with a marker colour.
struct Fixture {
    Fixture(int width, int height, std::vector<uint16_t> pixels, int targetWidth, int targetHeight)
        : source(std::move(pixels)), target(static_cast<size_t>(targetWidth) * targetHeight, kMarker) {
        frame = platform::FrameView::Rgb565(source.data(), width, height, width * 2);
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

namespace {

// The filter spelled out plainly: each target pixel's centre in source pixels in 1/256ths, the two
// taps around it, and every channel blended as (a · (256 − w) + b · w) / 256, first along the rows
// and then between them.
struct Tap {
    int first, second;
    uint32_t weight;
};
Tap TapOf(int i, int sourceSize, int targetSize) {
    int64_t position =
        ((2 * int64_t{i} + 1) * sourceSize * 256 - int64_t{targetSize} * 256) / (2 * int64_t{targetSize});
    position = std::clamp<int64_t>(position, 0, int64_t{sourceSize - 1} * 256);
    const int first = static_cast<int>(position >> 8);
    return {first, std::min(first + 1, sourceSize - 1), static_cast<uint32_t>(position & 0xFF)};
}
uint32_t Mix(uint32_t a, uint32_t b, uint32_t w) {
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        out |= ((ca * (256 - w) + cb * w) >> 8) << shift;
    }
    return out;
}

TEST(FrameScalerTest, FilteredFramesAreThePlainBilinearFilterExactly) {
    // Sizes that exercise the wide loops and their remainders, up and down, and the game's own;
    // pictures placed off the target's corner (rows that start between whole groups of pixels) and
    // reaching past it. Both the plain loops and the wide ones, where the processor has them.
    struct Case {
        int sw, sh, tw, th;  // frame and picture size
        int x, y;            // the picture's place on a target two pixels larger than it each way
    };
    const Case cases[] = {{37, 23, 101, 67, 0, 0},  {37, 23, 19, 11, 0, 0},  {800, 600, 1440, 1080, 0, 0},
                          {16, 9, 35, 8, 0, 0},     {37, 23, 101, 67, 3, 1}, {800, 600, 1000, 750, 1, 2},
                          {37, 23, 90, 61, -5, -3}, {40, 30, 23, 17, 2, 0}};
    for (const bool wide : {true, false}) {
        for (const Case& c : cases) {
            std::vector<uint16_t> pixels(static_cast<size_t>(c.sw) * c.sh);
            uint32_t seed = 12345;
            for (uint16_t& p : pixels) {
                seed = seed * 1664525u + 1013904223u;
                p = static_cast<uint16_t>(seed >> 16);
            }
            Fixture f(c.sw, c.sh, pixels, c.tw + 2, c.th + 2);
            platform::FrameScaler scaler(wide);
            scaler.Draw(f.frame, f.view, {c.x, c.y, c.tw, c.th});
            std::vector<uint32_t> converted(pixels.size());
            for (int y = 0; y < c.sh; ++y) {
                platform::FrameScaler::ConvertRow(f.frame, y, &converted[static_cast<size_t>(y) * c.sw]);
            }
            int wrong = 0;
            for (int ty = 0; ty < c.th + 2; ++ty) {
                for (int tx = 0; tx < c.tw + 2; ++tx) {
                    const int x = tx - c.x, y = ty - c.y;
                    uint32_t expected = Fixture::kMarker;
                    if (x >= 0 && x < c.tw && y >= 0 && y < c.th) {
                        const Tap row = TapOf(y, c.sh, c.th);
                        const Tap column = TapOf(x, c.sw, c.tw);
                        auto horizontal = [&](int sy) {
                            const uint32_t* r = &converted[static_cast<size_t>(sy) * c.sw];
                            return Mix(r[column.first], r[column.second], column.weight);
                        };
                        expected = Mix(horizontal(row.first), horizontal(row.second), row.weight);
                    }
                    wrong += f.At(tx, ty) != expected ? 1 : 0;
                }
            }
            EXPECT_EQ(wrong, 0) << (wide ? "wide" : "plain") << " loops, " << c.sw << "x" << c.sh << " -> " << c.tw
                                << "x" << c.th << " at " << c.x << "," << c.y;
        }
    }
}

}  // namespace

namespace {

std::vector<uint16_t> Noise(size_t count, uint32_t seed) {
    std::vector<uint16_t> pixels(count);
    for (uint16_t& p : pixels) {
        seed = seed * 1664525u + 1013904223u;
        p = static_cast<uint16_t>(seed >> 16);
    }
    return pixels;
}

TEST(FrameScalerTest, DrawingTheChangedRowsGivesTheWholeNewPictureAndWritesNoOtherRow) {
    // 1:1, a whole factor, and filtered up and down, with the picture off the target's corner.
    struct Case {
        int tw, th, x, y;
    };
    constexpr int kWidth = 24, kHeight = 20;
    const Case cases[] = {{24, 20, 3, 2}, {48, 40, 1, 0}, {61, 47, 2, 3}, {15, 13, 0, 1}};
    for (const bool wide : {true, false}) {
        for (const Case& c : cases) {
            const std::vector<uint16_t> before = Noise(kWidth * kHeight, 7);
            std::vector<uint16_t> after = before;
            std::vector<uint8_t> changed(kHeight, 0);
            for (const int row : {0, 9, kHeight - 1}) {
                changed[row] = 1;
                for (int x = 0; x < kWidth; ++x) after[static_cast<size_t>(row) * kWidth + x] ^= 0x5AA5;
            }
            const platform::Viewport place{c.x, c.y, c.tw, c.th};
            Fixture shown(kWidth, kHeight, before, c.tw + 4, c.th + 4);
            platform::FrameScaler scaler(wide);
            scaler.Draw(shown.frame, shown.view, place);
            shown.source = after;
            shown.frame.pixels = shown.source.data();
            std::vector<platform::FrameScaler::Band> written;
            scaler.DrawChanged(shown.frame, shown.view, place, changed.data(), written);

            Fixture fresh(kWidth, kHeight, after, c.tw + 4, c.th + 4);
            platform::FrameScaler(wide).Draw(fresh.frame, fresh.view, place);
            EXPECT_EQ(shown.target, fresh.target) << (wide ? "wide" : "plain") << " " << c.tw << "x" << c.th;

            // The same draw into an empty target writes exactly the rows it names, and fewer than all.
            Fixture empty(kWidth, kHeight, after, c.tw + 4, c.th + 4);
            std::vector<platform::FrameScaler::Band> bands;
            platform::FrameScaler(wide).DrawChanged(empty.frame, empty.view, place, changed.data(), bands);
            int rowsWritten = 0;
            for (int y = 0; y < c.th + 4; ++y) {
                bool named = false;
                for (const auto& band : bands) named = named || (y >= band.first && y < band.end);
                bool touched = false;
                for (int x = 0; x < c.tw + 4; ++x) touched = touched || empty.At(x, y) != Fixture::kMarker;
                EXPECT_EQ(touched, named) << c.tw << "x" << c.th << " row " << y;
                rowsWritten += named ? 1 : 0;
            }
            EXPECT_GT(rowsWritten, 0);
            EXPECT_LT(rowsWritten, c.th) << c.tw << "x" << c.th;
            for (size_t i = 1; i < bands.size(); ++i) EXPECT_GT(bands[i].first, bands[i - 1].end) << "bands apart";
        }
    }
}

}  // namespace
