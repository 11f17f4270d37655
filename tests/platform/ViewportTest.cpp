#include "platform/Viewport.h"

#include <gtest/gtest.h>

namespace {

constexpr int kGameWidth = 800;
constexpr int kGameHeight = 600;

struct ViewportCase {
    int outputWidth, outputHeight;
    platform::Viewport expected;
};

TEST(ViewportTest, LetterboxesToFourByThree) {
    const ViewportCase cases[] = {
        {800, 600, {0, 0, 800, 600}},     {1920, 1080, {240, 0, 1440, 1080}},  // bars left and right
        {1280, 1024, {0, 32, 1280, 960}},                                      // bars above and below
        {400, 300, {0, 0, 400, 300}},     {0, 600, {0, 0, 0, 0}},
    };
    for (const ViewportCase& c : cases) {
        const platform::Viewport v =
            platform::LetterboxViewport(c.outputWidth, c.outputHeight, kGameWidth, kGameHeight);
        EXPECT_EQ(v.x, c.expected.x) << c.outputWidth << "x" << c.outputHeight;
        EXPECT_EQ(v.y, c.expected.y) << c.outputWidth << "x" << c.outputHeight;
        EXPECT_EQ(v.width, c.expected.width) << c.outputWidth << "x" << c.outputHeight;
        EXPECT_EQ(v.height, c.expected.height) << c.outputWidth << "x" << c.outputHeight;
    }
}

TEST(ViewportTest, IntegerScaleTakesTheLargestWholeFactorThatFits) {
    const ViewportCase cases[] = {
        {800, 600, {0, 0, 800, 600}},         {1920, 1080, {560, 240, 800, 600}},  // 1.8 fits once
        {3840, 2160, {720, 180, 2400, 1800}},                                      // 3.6: three times
        {1600, 1300, {0, 50, 1600, 1200}},    {799, 600, {0, 0, 799, 599}},        // too small: the letterbox
    };
    for (const ViewportCase& c : cases) {
        const platform::Viewport v = platform::IntegerViewport(c.outputWidth, c.outputHeight, kGameWidth, kGameHeight);
        EXPECT_EQ(v.x, c.expected.x) << c.outputWidth << "x" << c.outputHeight;
        EXPECT_EQ(v.y, c.expected.y) << c.outputWidth << "x" << c.outputHeight;
        EXPECT_EQ(v.width, c.expected.width) << c.outputWidth << "x" << c.outputHeight;
        EXPECT_EQ(v.height, c.expected.height) << c.outputWidth << "x" << c.outputHeight;
    }
}

struct PointCase {
    int windowX, windowY;
    int gameX, gameY;
};

TEST(ViewportTest, WindowPointsBecomeGamePixelsAtAnotherWindowSize) {
    const platform::Viewport viewport = platform::LetterboxViewport(1920, 1080, kGameWidth, kGameHeight);
    const PointCase cases[] = {
        {240, 0, 0, 0},             // top left corner of the picture
        {1679, 1079, 799, 599},     // bottom right pixel
        {240 + 130, 972, 72, 540},  // 72 × 1.8 = 129.6: the start button's first column
        {239, 500, -1, 277},        // on the left bar: left of the picture
        {1680, 0, 800, 0},          // on the right bar
    };
    for (const PointCase& c : cases) {
        const platform::GamePoint p = platform::WindowToGame(viewport, kGameWidth, kGameHeight, c.windowX, c.windowY);
        EXPECT_EQ(p.x, c.gameX) << c.windowX << "," << c.windowY;
        EXPECT_EQ(p.y, c.gameY) << c.windowX << "," << c.windowY;
    }
}

}  // namespace
