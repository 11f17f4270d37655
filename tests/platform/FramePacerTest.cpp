#include "platform/FramePacer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr uint64_t kPeriod = 20000;

// Wake-ups at the given times (µs after the restart at 0): the steps of the frames that ran.
std::vector<uint64_t> StepsAt(const std::vector<uint64_t>& wakeUps) {
    platform::FramePacer pacer(kPeriod);
    pacer.Restart(0);
    std::vector<uint64_t> steps;
    for (uint64_t now : wakeUps) {
        if (const auto step = pacer.Take(now)) steps.push_back(*step);
    }
    return steps;
}

TEST(FramePacerTest, FramesRunOnAbsoluteDeadlines) {
    struct Case {
        const char* what;
        std::vector<uint64_t> wakeUps;
        std::vector<uint64_t> steps;
    };
    const Case cases[] = {
        {"on time", {20000, 40000, 60000}, {20000, 20000, 20000}},
        {"too early does nothing", {19999, 20000, 39000, 40000}, {20000, 20000}},
        // Late by 1.5 ms: the next frame is due at 40 ms all the same, 18.5 ms later.
        {"a late wake-up shortens the next wait", {21500, 40000, 60000}, {21500, 18500, 20000}},
        {"every wake-up late by 0.9 ms keeps 50 a second", {20900, 40900, 60900, 80900}, {20900, 20000, 20000, 20000}},
        // A stall of a whole period or more starts afresh: no burst of frames to catch up.
        {"a stall resynchronises", {95000, 100000, 114999, 115000, 135000}, {95000, 20000, 20000}},
    };
    for (const Case& c : cases) EXPECT_EQ(StepsAt(c.wakeUps), c.steps) << c.what;
}

TEST(FramePacerTest, RemainingCountsToTheNextDeadline) {
    platform::FramePacer pacer(kPeriod);
    EXPECT_EQ(pacer.Remaining(5), 0u);  // not started: nothing to wait for
    pacer.Restart(1000);
    EXPECT_EQ(pacer.Remaining(1000), kPeriod);
    EXPECT_EQ(pacer.Remaining(15000), 6000u);
    ASSERT_TRUE(pacer.Take(22000));
    EXPECT_EQ(pacer.Remaining(22000), 19000u);
    EXPECT_EQ(pacer.Remaining(50000), 0u);
}

TEST(FramePacerTest, TheFirstTakeStartsTheCount) {
    platform::FramePacer pacer(kPeriod);
    EXPECT_FALSE(pacer.Take(7000));
    EXPECT_TRUE(pacer.Started());
    EXPECT_FALSE(pacer.Take(26999));
    EXPECT_EQ(pacer.Take(27000), std::optional<uint64_t>(20000));
}

}  // namespace
