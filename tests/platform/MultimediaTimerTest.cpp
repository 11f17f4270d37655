#include "platform/MultimediaTimer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/Clock.h"

namespace {

using namespace std::chrono_literals;

class VirtualTimerTest : public ::testing::Test {
protected:
    void SetUp() override { platform::UseVirtualClock(true); }
    void TearDown() override {
        for (platform::TimerId id : ids_) platform::TimeKillEvent(id);
        platform::UseVirtualClock(false);
    }
    platform::TimerId Start(uint32_t period, platform::TimerCallback callback) {
        const platform::TimerId id = platform::TimeSetEvent(period, std::move(callback));
        ids_.push_back(id);
        return id;
    }
    std::vector<platform::TimerId> ids_;
};

TEST_F(VirtualTimerTest, FiresDueCallbacksInTimeOrderAtTheirDueTime) {
    const uint32_t start = platform::TimeGetTime();
    std::vector<std::pair<char, uint32_t>> fired;
    Start(30, [&](platform::TimerId) { fired.emplace_back('a', platform::TimeGetTime() - start); });
    Start(20, [&](platform::TimerId) { fired.emplace_back('b', platform::TimeGetTime() - start); });
    platform::AdvanceVirtualTime(59);
    const std::vector<std::pair<char, uint32_t>> expected{{'b', 20}, {'a', 30}, {'b', 40}};
    EXPECT_EQ(fired, expected);
    EXPECT_EQ(platform::TimeGetTime() - start, 59u);
    platform::AdvanceVirtualTime(1);  // 60: both due, the older timer first
    ASSERT_EQ(fired.size(), 5u);
    EXPECT_EQ(fired[3], std::make_pair('a', 60u));
    EXPECT_EQ(fired[4], std::make_pair('b', 60u));
}

TEST_F(VirtualTimerTest, KillFromOwnCallbackStopsWithoutDeadlock) {
    int calls = 0;
    platform::TimerId self = 0;
    self = Start(10, [&](platform::TimerId id) {
        ++calls;
        EXPECT_EQ(id, self);
        EXPECT_TRUE(platform::TimeKillEvent(id));
    });
    platform::AdvanceVirtualTime(100);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(platform::TimeKillEvent(self));
}

TEST_F(VirtualTimerTest, KilledTimerNoLongerFires) {
    int calls = 0;
    const platform::TimerId id = Start(10, [&](platform::TimerId) { ++calls; });
    platform::AdvanceVirtualTime(25);
    EXPECT_TRUE(platform::TimeKillEvent(id));
    platform::AdvanceVirtualTime(100);
    EXPECT_EQ(calls, 2);
}

TEST(TimerTest, RejectsZeroPeriodAndEmptyCallback) {
    EXPECT_EQ(platform::TimeSetEvent(0, [](platform::TimerId) {}), 0u);
    EXPECT_EQ(platform::TimeSetEvent(10, {}), 0u);
    EXPECT_FALSE(platform::TimeKillEvent(0));
}

TEST(ThreadTimerTest, FiresPeriodicallyOnAnotherThread) {
    std::atomic<int> calls{0};
    std::atomic<bool> otherThread{false};
    const auto caller = std::this_thread::get_id();
    const platform::TimerId id = platform::TimeSetEvent(5, [&](platform::TimerId) {
        otherThread = std::this_thread::get_id() != caller;
        ++calls;
    });
    ASSERT_NE(id, 0u);
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (calls < 5 && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(platform::TimeKillEvent(id));
    EXPECT_GE(calls.load(), 5);
    EXPECT_TRUE(otherThread);
    const int afterKill = calls;
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(calls.load(), afterKill);
}

TEST(ThreadTimerTest, KillWaitsForTheRunningCallback) {
    std::atomic<bool> entered{false};
    std::atomic<bool> finished{false};
    const platform::TimerId id = platform::TimeSetEvent(1, [&](platform::TimerId) {
        if (entered.exchange(true)) return;
        std::this_thread::sleep_for(50ms);
        finished = true;
    });
    while (!entered) std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(platform::TimeKillEvent(id));
    EXPECT_TRUE(finished);
}

TEST(ThreadTimerTest, KillFromOwnCallbackReturnsAtOnce) {
    std::atomic<int> calls{0};
    std::atomic<bool> killed{false};
    platform::TimeSetEvent(1, [&](platform::TimerId id) {
        ++calls;
        if (!killed) killed = platform::TimeKillEvent(id);
    });
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!killed && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(killed);
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(calls.load(), 1);
}

}  // namespace
