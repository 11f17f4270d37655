#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/ShowDownTally.h"

namespace {

constexpr float kStep = 0.02f;

// Runs the tally in frames of kStep up to `seconds`, collecting every sound.
std::vector<std::string> RunUntil(ShowDownTally& tally, float seconds) {
    std::vector<const char*> sounds;
    while (tally.Elapsed() + kStep / 2 < seconds) tally.Update(kStep, sounds);
    return {sounds.begin(), sounds.end()};
}

int Count(const std::vector<std::string>& sounds, const char* name) {
    int n = 0;
    for (const std::string& s : sounds) n += s == name;
    return n;
}

TEST(ShowDownTally, RowsAppearOneAfterAnotherAndCountUpToTheirFigures) {
    ShowDownTally tally;
    tally.Start({15, 7, 4, 3456, 12345});
    RunUntil(tally, 0.5f);
    EXPECT_FALSE(tally.RowShown(0)) << "the congratulation stands alone first";
    RunUntil(tally, ShowDownTally::kFirstRowSeconds + ShowDownTally::kCountSeconds / 2);
    EXPECT_TRUE(tally.RowShown(0));
    EXPECT_FALSE(tally.RowShown(1));
    EXPECT_GT(tally.ShownValue(0), 0);
    EXPECT_LT(tally.ShownValue(0), 15) << "half-way through its count";
    RunUntil(tally, 10.0f);
    const int expected[] = {15, 7, 4, 3456, 12345};
    for (size_t row = 0; row < ShowDownTally::kRows; ++row) EXPECT_EQ(tally.ShownValue(row), expected[row]) << row;
}

TEST(ShowDownTally, FinishesWhenTheTotalHasLandedAndNotBefore) {
    ShowDownTally tally;
    EXPECT_FALSE(tally.IsFinished()) << "not started";
    tally.Start({1, 1, 1, 1, 1});
    const float end = ShowDownTally::kFirstRowSeconds + ShowDownTally::kRowSeconds * 4 + ShowDownTally::kCountSeconds;
    RunUntil(tally, end - 0.1f);
    EXPECT_FALSE(tally.IsFinished());
    RunUntil(tally, end + 0.05f);
    EXPECT_TRUE(tally.IsFinished());
    EXPECT_LT(end, 15.0f) << "well inside the closing scene";
    tally.Stop();
    EXPECT_FALSE(tally.IsFinished());
}

TEST(ShowDownTally, TicksWhileCountingAndChimesOncePerRow) {
    ShowDownTally tally;
    tally.Start({3, 0, 2, 100, 500});
    const std::vector<std::string> sounds = RunUntil(tally, 12.0f);
    EXPECT_EQ(Count(sounds, ShowDownTally::kRowSound), 4);
    EXPECT_EQ(Count(sounds, ShowDownTally::kTotalSound), 1);
    // Four rows count (the zero row lands at once), each for kCountSeconds at one tick per kTickSeconds.
    const int perRow = static_cast<int>(ShowDownTally::kCountSeconds / ShowDownTally::kTickSeconds + 0.999f);
    EXPECT_NEAR(Count(sounds, ShowDownTally::kTickSound), 4 * perRow, 4);
    EXPECT_EQ(sounds.back(), ShowDownTally::kTotalSound);
    std::vector<const char*> more;
    tally.Update(1.0f, more);
    EXPECT_TRUE(more.empty()) << "silent once landed";
}

TEST(ShowDownTally, ALongFrameLosesNoSound) {
    ShowDownTally stepped;
    ShowDownTally jumped;
    stepped.Start({2, 2, 2, 2, 2});
    jumped.Start({2, 2, 2, 2, 2});
    const std::vector<std::string> a = RunUntil(stepped, 8.0f);
    std::vector<const char*> b;
    jumped.Update(8.0f, b);
    EXPECT_EQ(a.size(), b.size());
}

}  // namespace
