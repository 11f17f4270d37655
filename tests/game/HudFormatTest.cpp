#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "game/HudFormat.h"

namespace {

TEST(HudFormatTest, TimeShowsWholeMinutesAndSeconds) {
    struct Case {
        float seconds;
        const char* shown;
    };
    const Case cases[] = {
        {75.9f, "1:15"}, {9.5f, "0:09"},   {60.0f, "1:00"},   {59.99f, "0:59"}, {0.99f, "0:00"},
        {-0.2f, "0:00"}, {-75.0f, "0:00"}, {605.0f, "10:05"}, {NAN, "0:00"},    {INFINITY, "16666666:40"},
    };
    for (const Case& c : cases) EXPECT_EQ(HudFormat::Time(c.seconds), c.shown) << c.seconds;
}

TEST(HudFormatTest, LastLifeBlinksEveryHalfSecond) {
    EXPECT_EQ(HudFormat::LivesShown(3, true, 0), 3);
    EXPECT_EQ(HudFormat::LivesShown(3, true, 499), 3);
    EXPECT_EQ(HudFormat::LivesShown(3, true, 500), 2);
    EXPECT_EQ(HudFormat::LivesShown(3, true, 999), 2);
    EXPECT_EQ(HudFormat::LivesShown(3, true, 1000), 3);
    EXPECT_EQ(HudFormat::LivesShown(3, false, 500), 3) << "no blinking outside a death";
    EXPECT_EQ(HudFormat::LivesShown(1, true, 1500), 0) << "the last head vanishes in the off half";
}

TEST(HudFormatTest, FrogJustCountedFlickersBackInTheGoalRow) {
    // Five places, two home, the third just arrived: three places to bring home, four while flickering.
    EXPECT_EQ(HudFormat::FrogsToBringHomeShown(2, true, 200), 2);
    EXPECT_EQ(HudFormat::FrogsToBringHomeShown(2, true, 700), 3);
    EXPECT_EQ(HudFormat::FrogsToBringHomeShown(2, false, 700), 2);
}

TEST(HudFormatTest, PauseTextShowsTwoOfThreePeriods) {
    EXPECT_FALSE(HudFormat::PauseTextShown(0));
    EXPECT_FALSE(HudFormat::PauseTextShown(332));
    EXPECT_TRUE(HudFormat::PauseTextShown(333));
    EXPECT_TRUE(HudFormat::PauseTextShown(998));
    EXPECT_FALSE(HudFormat::PauseTextShown(999));
}

}  // namespace
