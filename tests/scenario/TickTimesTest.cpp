#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "ScenarioRun.h"
#include "TempFolder.h"

namespace {

TEST(TickTimesTest, EveryGameTickGetsOneLineWithItsProcessorTime) {
    if (!GameDataAvailable()) GTEST_SKIP() << "no generated data";
    TempFolder folder("rj-ticktimes");
    const std::string times = folder.File("ticks.txt");
    const ScenarioResult run = RunScenario("2 key 83\n", {"--ticks", "30", "--tick-times", times});
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    std::ifstream in(times);
    int expectedTick = 1;
    long total = 0;
    long long lastStart = 0;
    for (std::string line; std::getline(in, line); ++expectedTick) {
        int tick = 0;
        long us = -1;
        long long start = -1;
        char rest = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%d %ld %lld%c", &tick, &us, &start, &rest), 3) << line;
        EXPECT_EQ(tick, expectedTick);
        EXPECT_GE(us, 0) << line;
        EXPECT_GE(start, lastStart) << "the ticks start in order: " << line;
        lastStart = start;
        total += us;
    }
    EXPECT_EQ(expectedTick - 1, 30) << "one line per tick";
    EXPECT_GT(total, 0) << "drawing thirty frames costs some time";
}

TEST(TickTimesTest, AFileThatCannotBeWrittenIsNamedBeforeTheRun) {
    if (!GameDataAvailable()) GTEST_SKIP() << "no generated data";
    TempFolder folder("rj-ticktimes");
    const std::string times = folder.File("missing/ticks.txt");
    const ScenarioResult run = RunScenario("", {"--ticks", "5", "--tick-times", times});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_NE(run.errors.find("cannot write the tick times to " + times), std::string::npos) << run.errors;
    EXPECT_TRUE(run.states.empty()) << "no tick ran";
}

}  // namespace
