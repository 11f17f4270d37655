#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "PlayScenario.h"

namespace {

using PadScenarioTest = ScenarioTest;

// A press of a pad button: down at `tick`, up one tick later.
std::string Press(int tick, const char* button, int pad = 0) {
    const std::string p = std::to_string(pad);
    return std::to_string(tick) + " pad " + p + " down " + button + "\n" + std::to_string(tick + 1) + " pad " + p +
           " up " + button + "\n";
}

// The first "x" of a state line is the frog's.
float FrogX(const ScenarioResult& r, int tick) { return std::strtof(FieldAt(r, tick, "x").c_str(), nullptr); }

TEST_F(PadScenarioTest, AWholeGameFromTheTitleMenuThroughNameEntryWithThePadAlone) {
    // One life of one second, and a table whose last entry any score beats.
    const PlayData data(kOneShortLife);
    data.WriteHighScores(LowHighScoreTable());
    std::string script = "1 pad 0 added\n";
    script += Press(2, "right");  // the highlight appears on the start button
    script += Press(4, "right");  // help
    script += Press(6, "right");  // high scores
    script += Press(8, "a");      // pressed: the high-score table
    script += Press(12, "b");     // back to the title menu
    script += Press(16, "left");  // help
    script += Press(18, "down");  // down in the row stays on help
    script += Press(20, "a");     // the help screen
    script += Press(24, "b");     // back
    script += Press(28, "left");  // start
    script += Press(30, "a");     // a game
    // Name entry: up on the empty name gives A; 26 more steps pass Z to Ä; right adds an A,
    // left takes it away again, right adds it once more and up makes it a B; A confirms.
    int tick = 600;
    for (int i = 0; i < 27; ++i, tick += 2) script += Press(tick, "up");
    script += Press(tick, "right");
    script += Press(tick + 2, "left");
    script += Press(tick + 4, "right");
    script += Press(tick + 6, "up");
    script += Press(tick + 8, "a");
    const int confirmed = tick + 9;
    const ScenarioResult r = data.Run(script, confirmed + 20);
    ASSERT_EQ(r.exitStatus, 0) << r.errors;

    EXPECT_EQ(r.IntAt(7, "state"), kStateTitleMenu) << "moving the highlight presses nothing";
    EXPECT_EQ(r.IntAt(8, "state"), kStateHighScoreTable);
    EXPECT_EQ(r.IntAt(12, "state"), kStateTitleMenu);
    EXPECT_EQ(r.IntAt(19, "state"), kStateTitleMenu);
    EXPECT_EQ(r.IntAt(20, "state"), kStateHelp);
    EXPECT_EQ(r.IntAt(24, "state"), kStateTitleMenu);
    EXPECT_EQ(r.IntAt(29, "state"), kStateTitleMenu);
    EXPECT_EQ(r.IntAt(30, "state"), kStatePlaying);
    const int table = FirstTickWith(r, "state", kStateHighScoreTable, 31);
    ASSERT_GT(table, 31) << "the game never ended on the table";
    ASSERT_LT(table, 600) << "the name is entered on the table";
    EXPECT_EQ(r.IntAt(confirmed + 20, "state"), kStateHighScoreTable) << "A confirms the name; B would leave";

    const std::string saved = data.ReadHighScores();
    EXPECT_NE(saved.find("*0:\xC4"
                         "B\n"),
              std::string::npos)
        << saved;
}

TEST_F(PadScenarioTest, TheStickJumpsAPulledPadPausesAndANewPadPlaysAtOnce) {
    const PlayData data;
    std::string script = "1 pad 0 added\n";
    script += Press(2, "a");  // the start button, without moving the highlight first
    script += "100 pad 0 stick -32768 0\n102 pad 0 stick 0 0\n";
    script += "150 pad 0 removed\n";
    script += "170 pad 5 added\n";
    script += Press(172, "start", 5);
    const ScenarioResult r = data.Run(script, 200);
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_EQ(r.IntAt(2, "state"), kStatePlaying);
    EXPECT_LT(FrogX(r, 140), FrogX(r, 99) - 30) << "the stick pushed left made the frog jump left, once";
    EXPECT_GT(FrogX(r, 140), FrogX(r, 99) - 150) << "held for two ticks, the stick does not repeat";
    EXPECT_EQ(r.IntAt(149, "state"), kStatePlaying);
    EXPECT_EQ(r.IntAt(150, "state"), kStatePaused);
    EXPECT_EQ(r.IntAt(171, "state"), kStatePaused);
    EXPECT_EQ(r.IntAt(172, "state"), kStatePlaying) << "Start on the new pad goes on";
}

}  // namespace
