#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "game/Banner.h"
#include "world/GameState.h"
#include "game/PlayOverlays.h"
#include "game/ScreenPaint.h"
#include "game/TruckWarning.h"

namespace {

TEST(OverlayRules, TheGameOverStandsFromTheLastLifesDeathToTheTable) {
    struct Case {
        int state;
        int lifes;
        bool shown;
    };
    const Case cases[] = {
        {kStateAfterDeath, 1, true},   // the game-over sound has just played
        {kStateAfterDeath, 2, false},  // a life is left
        {kStatePlaying, 0, true},      // the frame the wait ends in, before the game over begins
        {kStatePlaying, 1, false},        {kStateGameOver, 0, true},
        {kStateFrogDying, 1, false},  // the death is still playing
        {kStateHighScoreTable, 0, false}, {kStateFinalShowDown, 3, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlayOverlays::GameOverShown(c.state, c.lifes), c.shown) << c.state << " " << c.lifes;
    }
}

TEST(OverlayRules, TheTruckWarningCoversTheLastSecondAndAHalf) {
    struct Case {
        float interval;
        float ride;
        std::optional<float> remaining;
    };
    const Case
        cases
            [] =
                {
                    {4.0f, 0.0f, std::nullopt}, {4.0f, 2.4f, std::nullopt}, {4.0f, 2.5f, 1.0f},
                    {4.0f, 3.25f, 0.5f},        {4.0f, 4.0f, 0.0f},         {4.0f, 4.5f, 0.0f},
                    {1.0f, 0.0f, 1.0f / 1.5f},   // a ride shorter than the warning is warned from its start
                    {0.0f, 0.0f, std::nullopt},  // no interval read yet
                };
    for (const Case& c : cases) {
        const std::optional<float> r = TruckWarning::Remaining(c.interval, c.ride);
        ASSERT_EQ(r.has_value(), c.remaining.has_value()) << c.interval << " " << c.ride;
        if (r) {
            EXPECT_NEAR(*r, *c.remaining, 1e-5f) << c.interval << " " << c.ride;
        }
    }
}

TEST(OverlayRules, ABannerGrowsIntoPlaceAndGoesAfterItsTime) {
    Banner banner(Banner::Style{2.0f, 100, 128, false});
    EXPECT_FALSE(banner.IsShown());
    banner.Show("Level 2", "", 1.0f);
    EXPECT_LT(banner.ScaleAt(0.0f), 2.0f);
    EXPECT_LT(banner.ScaleAt(0.05f), banner.ScaleAt(0.1f));
    EXPECT_FLOAT_EQ(banner.ScaleAt(0.5f), 2.0f);
    banner.Update(0.98f);
    EXPECT_TRUE(banner.IsShown());
    banner.Update(0.04f);
    EXPECT_FALSE(banner.IsShown());
    banner.Show("Spiel vorbei", "", 0.0f);
    banner.Update(100.0f);
    EXPECT_TRUE(banner.IsShown()) << "without a time it stays until hidden";
}

TEST(OverlayRules, DarkeningScalesEachChannelInItsOwnField) {
    const platform::DisplayPixelFormat rgb565{16, 0xF800, 0x07E0, 0x001F};
    const platform::DisplayPixelFormat rgb555{16, 0x7C00, 0x03E0, 0x001F};
    const platform::DisplayPixelFormat xrgb{32, 0xFF0000, 0x00FF00, 0x0000FF};
    struct Case {
        platform::DisplayPixelFormat format;
        uint32_t pixel;
        int keep;
        uint32_t expected;
    };
    const Case cases[] = {
        {rgb565, 0xFFFF, 256, 0xFFFF},
        {rgb565, 0xFFFF, 128, (15u << 11) | (31u << 5) | 15u},  // halves, nothing spills into blue
        {rgb565, 0xFFFF, 0, 0},
        {rgb555, 0x7FFF, 128, (15u << 10) | (15u << 5) | 15u},
        {xrgb, 0x00FF8040, 64, 0x003F2010},
        {xrgb, 0x00FF8040, 300, 0x00FF8040},  // more than all is all
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScreenPaint::DarkenPixel(c.pixel, c.format, c.keep), c.expected)
            << std::hex << c.pixel << " " << c.keep;
    }
    EXPECT_EQ(ScreenPaint::PixelOf(rgb565, {255, 96, 48}), (31u << 11) | (24u << 5) | 6u);
    EXPECT_EQ(ScreenPaint::PixelOf(xrgb, {255, 96, 48}), 0x00FF6030u);
}

TEST(OverlayRules, TheRgb565RowDarkensEveryPixelAsThePixelRuleDoes) {
    const platform::DisplayPixelFormat rgb565{16, 0xF800, 0x07E0, 0x001F};
    // Every 16-bit value, so every colour of every channel is met, in rows whose lengths leave
    // every tail of a vector step (and a row of one pixel).
    std::vector<uint16_t> all(0x10000);
    for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<uint16_t>(i);
    for (const int keep : {-4, 0, 1, 2, 127, 128, 200, 255, 256, 300}) {
        for (const int length : {1, 7, 15, 16, 17, 33, 65536}) {
            for (size_t start = 0; start + length <= all.size(); start += length * 97 + 1) {
                std::vector<uint16_t> row(all.begin() + start, all.begin() + start + length);
                ScreenPaint::DarkenRow565(row.data(), length, keep);
                for (int x = 0; x < length; ++x) {
                    const uint32_t expected = ScreenPaint::DarkenPixel(all[start + x], rgb565, keep);
                    ASSERT_EQ(row[x], expected) << "pixel " << std::hex << all[start + x] << std::dec << " keep "
                                                << keep << " row of " << length << " at " << x;
                }
            }
        }
    }
}

}  // namespace
