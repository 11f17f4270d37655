#include <gtest/gtest.h>

#include <string>

#include "ScenarioRun.h"
#include "world/GameState.h"

namespace {

using MenuScenarioTest = ScenarioTest;

TEST_F(MenuScenarioTest, LoadingEndsOnTheTitleMenuWithMusic) {
    const ScenarioResult r = RunScenario("", {"--ticks", "3"});
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    ASSERT_EQ(r.states.size(), 3u);
    EXPECT_EQ(r.IntAt(1, "tick"), 1);
    EXPECT_EQ(r.IntAt(1, "state"), kStateTitleMenu);
    EXPECT_TRUE(r.BoolAt(3, "music"));
    EXPECT_EQ(r.IntAt(3, "score"), 0);
}

struct KeyCase {
    const char* name;
    const char* script;
    int expectedState;
};

TEST_F(MenuScenarioTest, TitleMenuKeysAndButtons) {
    const KeyCase cases[] = {
        {"S starts a game", "2 key 83\n", kStatePlaying},
        {"H opens the help", "2 key 72\n", kStateHelp},
        {"G opens the high scores", "2 key 71\n", kStateHighScoreTable},
        {"P does nothing on the title menu", "2 key 80\n", kStateTitleMenu},
        {"release on the start button's left edge does nothing", "2 down 71 540\n3 up 71 540\n", kStateTitleMenu},
        {"first column inside the start button starts", "2 down 72 540\n3 up 72 540\n", kStatePlaying},
        {"last column inside the start button starts", "2 down 203 540\n3 up 203 540\n", kStatePlaying},
        {"the start button's right edge does nothing", "2 down 204 540\n3 up 204 540\n", kStateTitleMenu},
        {"the start button's top edge does nothing", "2 down 100 512\n3 up 100 512\n", kStateTitleMenu},
        {"the release decides: press on start, release on help", "2 down 100 540\n3 up 300 540\n", kStateHelp},
        {"high-score button", "2 down 400 550\n3 up 400 550\n", kStateHighScoreTable},
    };
    for (const KeyCase& c : cases) {
        const ScenarioResult r = RunScenario(c.script, {"--ticks", "4"});
        ASSERT_EQ(r.exitStatus, 0) << c.name << "\n" << r.errors;
        ASSERT_EQ(r.states.size(), 4u) << c.name;
        EXPECT_EQ(r.IntAt(4, "state"), c.expectedState) << c.name;
    }
}

TEST_F(MenuScenarioTest, ClickSoundPlaysOnThePressOfAButtonOnly) {
    const ScenarioResult r = RunScenario("2 down 300 540\n3 up 300 540\n4 down 10 10\n", {"--ticks", "4"});
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_TRUE(r.SoundStartedAt(2, "SOUND_MENU_BUTTON_CLICK"));
    EXPECT_FALSE(r.SoundStartedAt(3, "SOUND_MENU_BUTTON_CLICK"));
    EXPECT_FALSE(r.SoundStartedAt(4, "SOUND_MENU_BUTTON_CLICK")) << "no button at (10, 10) on the help screen";
}

TEST_F(MenuScenarioTest, ExitKeyAndButtonAndEscapeEndTheProgram) {
    for (const char* script : {"2 key 27\n", "2 key 69\n", "2 down 650 540\n3 up 650 540\n"}) {
        const ScenarioResult r = RunScenario(script, {"--ticks", "50"});
        EXPECT_EQ(r.exitStatus, 0) << script << r.errors;
        EXPECT_LT(r.states.size(), 5u) << script << ": the run ends at the quit";
    }
}

TEST_F(MenuScenarioTest, HelpCreditsAndBackToTheTitle) {
    const ScenarioResult r = RunScenario(
        "2 key 72\n"                         // help
        "3 key 67\n"                         // credits
        "53 key 77\n"                        // M: back to the title
        "54 down 300 540\n55 up 300 540\n"   // help button
        "56 down 330 540\n57 up 330 540\n"   // the credits button of the help screen
        "58 down 400 540\n59 up 400 540\n",  // back
        {"--ticks", "60"});
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_EQ(r.IntAt(2, "state"), kStateHelp);
    EXPECT_EQ(r.IntAt(3, "state"), kStateCredits);
    EXPECT_EQ(r.IntAt(52, "state"), kStateCredits);
    EXPECT_EQ(r.IntAt(53, "state"), kStateTitleMenu);
    EXPECT_EQ(r.IntAt(55, "state"), kStateHelp);
    EXPECT_EQ(r.IntAt(57, "state"), kStateCredits);
    EXPECT_EQ(r.IntAt(59, "state"), kStateTitleMenu);
    EXPECT_TRUE(r.BoolAt(2, "transition")) << "menu screens slide in";
}

TEST_F(MenuScenarioTest, HighScoreScreenIsLeftWithEscapeMAndItsButton) {
    for (const char* leave : {"3 key 27\n", "3 key 77\n", "3 down 400 540\n4 up 400 540\n"}) {
        const ScenarioResult r = RunScenario(std::string("2 key 71\n") + leave, {"--ticks", "5"});
        ASSERT_EQ(r.exitStatus, 0) << leave << r.errors;
        EXPECT_EQ(r.IntAt(2, "state"), kStateHighScoreTable) << leave;
        EXPECT_EQ(r.IntAt(5, "state"), kStateTitleMenu) << leave;
        EXPECT_TRUE(r.BoolAt(5, "music")) << leave;
    }
}

TEST_F(MenuScenarioTest, MusicOptionStopsAndRestartsTheTheme) {
    const ScenarioResult r = RunScenario("2 key 85\n4 down 700 130\n5 up 700 130\n", {"--ticks", "6"});
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_TRUE(r.BoolAt(1, "music"));
    EXPECT_FALSE(r.BoolAt(2, "music"));
    EXPECT_FALSE(r.BoolAt(4, "music"));
    EXPECT_TRUE(r.BoolAt(5, "music"));
    EXPECT_TRUE(r.SoundStartedAt(5, "SOUND_THEME"));
}

TEST_F(MenuScenarioTest, MusicSwitchedOffDuringLoadingStaysOffAndTheCheckBoxAgrees) {
    // U while loading, then U on the title menu: off, then on again.
    const ScenarioResult r = RunScenario("0 key 85\n3 key 85\n", {"--ticks", "4"});
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_FALSE(r.BoolAt(1, "music"));
    EXPECT_FALSE(r.BoolAt(2, "music"));
    EXPECT_TRUE(r.BoolAt(3, "music"));
    EXPECT_TRUE(r.SoundStartedAt(3, "SOUND_THEME"));
}

TEST_F(MenuScenarioTest, PauseOnlyInPlay) {
    const ScenarioResult r = RunScenario("2 key 80\n3 key 83\n5 key 80\n7 key 80\n", {"--ticks", "8"});
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_EQ(r.IntAt(2, "state"), kStateTitleMenu);
    EXPECT_EQ(r.IntAt(3, "state"), kStatePlaying);
    EXPECT_EQ(r.IntAt(5, "state"), kStatePaused);
    EXPECT_EQ(r.IntAt(7, "state"), kStatePlaying);
}

TEST_F(MenuScenarioTest, EscapeDuringPlayReturnsToTheTitle) {
    const ScenarioResult r = RunScenario("2 key 83\n4 key 27\n", {"--ticks", "5"});
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_EQ(r.IntAt(3, "state"), kStatePlaying);
    EXPECT_EQ(r.IntAt(4, "state"), kStateTitleMenu);
}

TEST_F(MenuScenarioTest, ClosingTheWindowDuringLoadingEndsWithoutATitleMenu) {
    const ScenarioResult r = RunScenario("0 quit\n", {"--ticks", "10"});
    EXPECT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_TRUE(r.states.empty());
}

TEST_F(MenuScenarioTest, WithoutFocusNothingAdvances) {
    const ScenarioResult r = RunScenario("2 focus 0\n3 key 72\n41 focus 1\n", {"--ticks", "70"});
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    // The key still acts (messages arrive), but no frame runs: the half-second slide stands
    // still until the focus returns, then finishes.
    EXPECT_EQ(r.IntAt(3, "state"), kStateHelp);
    EXPECT_TRUE(r.BoolAt(40, "transition"));
    EXPECT_FALSE(r.BoolAt(70, "transition"));
}

TEST_F(MenuScenarioTest, LosingTheFocusDuringPlayPausesUntilP) {
    const ScenarioResult r = RunScenario("2 key 83\n10 focus 0\n30 focus 1\n50 key 80\n", {"--ticks", "52"});
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_EQ(r.IntAt(9, "state"), kStatePlaying);
    EXPECT_EQ(r.IntAt(10, "state"), kStatePaused);
    EXPECT_EQ(r.IntAt(31, "state"), kStatePaused) << "coming back does not resume";
    EXPECT_EQ(r.IntAt(49, "state"), kStatePaused);
    EXPECT_EQ(r.IntAt(50, "state"), kStatePlaying);
}

TEST_F(MenuScenarioTest, SameSeedAndInputGiveTheSameStates) {
    const char* script = "2 key 83\n10 key 38\n20 key 37\n";
    const ScenarioResult a = RunScenario(script, {"--ticks", "40"});
    const ScenarioResult b = RunScenario(script, {"--ticks", "40"});
    ASSERT_EQ(a.exitStatus, 0) << a.errors;
    EXPECT_EQ(a.states, b.states);
}

TEST_F(MenuScenarioTest, MalformedScriptLineIsNamedAndEndsWithStatusTwo) {
    const ScenarioResult r = RunScenario("2 key 83\n3 jump\n", {"--ticks", "5"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.errors.find("input.txt:2:"), std::string::npos) << r.errors;
    EXPECT_TRUE(r.states.empty());
}

}  // namespace
