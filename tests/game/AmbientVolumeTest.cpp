#include <gtest/gtest.h>

#include <limits>

#include "game/AmbientVolume.h"

namespace {

TEST(AmbientVolumeTest, RiverFadesOverRows) {
    EXPECT_FLOAT_EQ(AmbientVolume::River(0), 1.0f) << "standing within the river's rows";
    EXPECT_FLOAT_EQ(AmbientVolume::River(3), 40.0f / 43.0f);
    EXPECT_FLOAT_EQ(AmbientVolume::River(-3), 40.0f / 43.0f) << "below or above the river alike";
    EXPECT_FLOAT_EQ(AmbientVolume::River(40), 0.5f);
}

TEST(AmbientVolumeTest, TrafficAndInsectsFadeWithDistance) {
    EXPECT_FLOAT_EQ(AmbientVolume::Road(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(AmbientVolume::Road(3000.0f), 0.5f);
    EXPECT_LT(AmbientVolume::Road(std::numeric_limits<float>::max()), 1e-30f) << "no traffic at all is silent";
    EXPECT_FLOAT_EQ(AmbientVolume::Insect(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(AmbientVolume::Insect(20000.0f), 0.5f);
}

}  // namespace
