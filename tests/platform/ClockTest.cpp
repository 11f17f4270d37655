#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

class VirtualClockTest : public ::testing::Test {
protected:
    void SetUp() override { platform::UseVirtualClock(true); }
    void TearDown() override { platform::UseVirtualClock(false); }
};

TEST_F(VirtualClockTest, StandsStillUntilAdvanced) {
    const uint32_t start = platform::TimeGetTime();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(platform::TimeGetTime(), start);
    platform::AdvanceVirtualTime(250);
    EXPECT_EQ(platform::TimeGetTime(), start + 250);
}

TEST_F(VirtualClockTest, DifferencesSurviveTheThirtyTwoBitWrap) {
    const uint32_t start = platform::TimeGetTime();
    const uint32_t toWrap = 0xFFFFFFFFu - start;
    platform::AdvanceVirtualTime(toWrap);
    const uint32_t before = platform::TimeGetTime();
    platform::AdvanceVirtualTime(40);
    EXPECT_LT(platform::TimeGetTime(), before);
    EXPECT_EQ(static_cast<uint32_t>(platform::TimeGetTime() - before), 40u);
}

TEST(RealClockTest, FollowsWallTime) {
    ASSERT_FALSE(platform::IsVirtualClock());
    const uint32_t start = platform::TimeGetTime();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const uint32_t elapsed = platform::TimeGetTime() - start;
    EXPECT_GE(elapsed, 29u);
    EXPECT_LT(elapsed, 5000u);
}

}  // namespace
