#include <gtest/gtest.h>

#include <cmath>

#include "game/VolumeSteps.h"

namespace {

TEST(VolumeSteps, EveryStepIsTheSameNumberOfDecibels) {
    EXPECT_EQ(VolumeSteps::Gain(0), 0.0f);
    EXPECT_FLOAT_EQ(VolumeSteps::Gain(VolumeSteps::kMax), 1.0f);
    for (int step = 1; step < VolumeSteps::kMax; ++step) {
        const float db = 20.0f * std::log10(VolumeSteps::Gain(step + 1) / VolumeSteps::Gain(step));
        EXPECT_NEAR(db, VolumeSteps::kDbPerStep, 1e-3f) << step;
    }
}

TEST(VolumeSteps, StepsOutsideTheRangeAreHeldAtItsEnds) {
    struct Case {
        int step;
        int clamped;
        const char* percent;
    };
    const Case cases[] = {{-3, 0, "0 %"}, {0, 0, "0 %"}, {7, 7, "70 %"}, {10, 10, "100 %"}, {11, 10, "100 %"}};
    for (const Case& c : cases) {
        EXPECT_EQ(VolumeSteps::Clamp(c.step), c.clamped) << c.step;
        EXPECT_EQ(VolumeSteps::Percent(c.step), c.percent) << c.step;
        EXPECT_EQ(VolumeSteps::Gain(c.step), VolumeSteps::Gain(c.clamped)) << c.step;
    }
}

}  // namespace
