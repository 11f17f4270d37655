#include "gfx/PixelFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(PixelFormat, ShiftsAndBytePositionsOfTheDisplayLayouts) {
    struct Case {
        const char* what;
        PixelFormat format;
        int red, green, blue;
        int redByte, greenByte, blueByte, spareByte;
    };
    const Case cases[] = {
        {"565", PixelFormat::Rgb565(), 11, 6, 0, 0, 0, 0, 0},
        {"555", PixelFormat::Rgb555(), 10, 5, 0, 0, 0, 0, 0},
        {"32-bit", PixelFormat::Xrgb8888(), 16, 8, 0, 2, 1, 0, 3},
        {"32-bit, blue high", PixelFormat::FromMasks(32, 0x0000FF, 0x00FF00, 0xFF0000), 0, 8, 16, 0, 1, 2, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.format.redShift, c.red) << c.what;
        EXPECT_EQ(c.format.greenShift, c.green) << c.what;
        EXPECT_EQ(c.format.blueShift, c.blue) << c.what;
        EXPECT_EQ(c.format.redByte, c.redByte) << c.what;
        EXPECT_EQ(c.format.greenByte, c.greenByte) << c.what;
        EXPECT_EQ(c.format.blueByte, c.blueByte) << c.what;
        EXPECT_EQ(c.format.spareByte, c.spareByte) << c.what;
    }
}

TEST(PixelFormat, AMaskThatNeverMatchesStopsWhenItRunsOut) {
    // 0x0300 never equals 31: it is shifted until nothing is left (10 shifts).
    EXPECT_EQ(PixelFormat::ComputeShift(0x0300, 31), 10);
    EXPECT_EQ(PixelFormat::ComputeShift(0, 31), 0);
}

}  // namespace
