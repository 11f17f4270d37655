#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "PlayScenario.h"
#include "world/FrogState.h"

namespace {

constexpr const char* kStartGame = "2 key 83\n";

using PlayFlowTest = ScenarioTest;

float TimeAt(const ScenarioResult& r, int tick) { return std::strtof(FieldAt(r, tick, "time").c_str(), nullptr); }

// The table a game starts with when it finds none.
std::string DefaultTable() { return NineNamesAnd(100); }

TEST_F(PlayFlowTest, CountDownTicksForTheLastTenSecondsAndTheTimeOutKills) {
    const PlayData data({{"levelTimeSeconds", "12.0"}, {"numFrogLifes", "3"}});
    const ScenarioResult r = data.Run(kStartGame, 800);
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    ASSERT_EQ(r.IntAt(2, "state"), kStatePlaying);
    const int death = FirstTickWith(r, "state", kStateFrogDying);
    ASSERT_GT(death, 0) << "the frog never timed out";
    EXPECT_LT(TimeAt(r, death), 0.0f);
    EXPECT_NE(FieldAt(r, death, "message").find("Deine Zeit ist abgelaufen!"), std::string::npos)
        << FieldAt(r, death, "message");

    std::vector<int> ticks = TicksWithSound(r, "SOUND_COUNT_DOWN");
    std::erase_if(ticks, [&](int tick) { return tick > death; });
    ASSERT_EQ(ticks.size(), 10u) << "one tick as the whole seconds fall to 9, 8, ..., 0";
    for (size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(static_cast<int>(TimeAt(r, ticks[i])), 9 - static_cast<int>(i)) << "tick " << ticks[i];
        EXPECT_GT(static_cast<int>(TimeAt(r, ticks[i] - 1)), static_cast<int>(TimeAt(r, ticks[i])));
    }
    EXPECT_LT(ticks.back(), death) << "no tick when the time crosses 0";

    // The next life starts with the full time and one life less.
    const int nextLife = FirstTickWith(r, "state", kStatePlaying, death);
    ASSERT_GT(nextLife, 0);
    EXPECT_EQ(r.IntAt(nextLife, "lives"), 2);
    EXPECT_GT(TimeAt(r, nextLife), 11.9f);
    EXPECT_TRUE(FirstTickWith(r, "state", kStateAfterDeath, death) < nextLife);
}

TEST_F(PlayFlowTest, LastLifeLostLeadsThroughGameOverToNameEntryAndASavedTable) {
    const PlayData data(kOneShortLife);
    data.WriteHighScores(LowHighScoreTable());
    const std::string script = std::string(kStartGame) +
                               "600 char 74\n"   // J
                               "601 char 246\n"  // o with diaeresis (Latin-1)
                               "602 char 37\n"   // "%" is refused
                               "603 char 97\n604 char 98\n605 char 99\n606 char 100\n607 char 101\n"
                               "608 char 102\n609 char 103\n610 char 104\n611 char 105\n"  // 11 characters
                               "612 char 122\n"                                            // a twelfth is refused
                               "613 char 8\n"                                              // Backspace takes the "i"
                               "614 char 88\n"                                             // X
                               "615 char 13\n";                                            // Enter saves
    const ScenarioResult r = data.Run(script, 630);
    ASSERT_EQ(r.exitStatus, 0) << r.errors;

    const int death = FirstTickWith(r, "state", kStateFrogDying);
    const int afterDeath = FirstTickWith(r, "state", kStateAfterDeath, death);
    ASSERT_GT(death, 0);
    ASSERT_GT(afterDeath, death);
    EXPECT_TRUE(r.SoundStartedAt(afterDeath, "SOUND_GAME_OVER"));
    EXPECT_FALSE(r.SoundStartedAt(afterDeath, "SOUND_LOSE_LIFE"));
    const int gameOver = FirstTickWith(r, "state", kStateGameOver, afterDeath);
    ASSERT_GT(gameOver, afterDeath);
    EXPECT_EQ(r.IntAt(gameOver, "lives"), 0);
    const int submit = FirstTickWith(r, "state", kStateHighScoreSubmit, gameOver);
    ASSERT_GT(submit, gameOver);
    EXPECT_NEAR(submit - gameOver, 100, 1) << "two seconds of game over at 50 ticks a second";
    const int table = submit + 1;
    EXPECT_EQ(r.IntAt(table, "state"), kStateHighScoreTable) << "the score is offered in one frame";
    EXPECT_TRUE(r.SoundStartedAt(table, "SOUND_HIGHSCORE"));
    EXPECT_FALSE(r.BoolAt(table, "music"));
    ASSERT_LT(table, 600) << "the name is typed on the table";

    EXPECT_EQ(data.ReadHighScores(), NineNamesAnd(0,
                                                  "J\xF6"
                                                  "abcdefghX"));
}

TEST_F(PlayFlowTest, SavedTableReloadsAndAHandEditedScoreIsRejected) {
    const PlayData data;
    const std::string saved = HighScoreFileText({{5000, "J\xF6rg"},
                                                 {900, "Wendal"},
                                                 {800, "Brisko"},
                                                 {700, "Tarvold"},
                                                 {600, "Sunya"},
                                                 {500, "Ulmaris"},
                                                 {400, "Fendar"},
                                                 {300, "Orno"},
                                                 {200, "Velisto"},
                                                 {100, "Kemaril"}});
    data.WriteHighScores(saved);
    ASSERT_EQ(data.Run("", 3).exitStatus, 0);
    EXPECT_EQ(data.ReadHighScores(), saved) << "a valid table is kept as it is";

    std::string edited = saved;
    edited.replace(edited.find("*5000:"), 6, "*5001:");
    data.WriteHighScores(edited);
    ASSERT_EQ(data.Run("", 3).exitStatus, 0);
    EXPECT_EQ(data.ReadHighScores(), DefaultTable()) << "the defaults return and are written at once";
}

TEST_F(PlayFlowTest, EscapeAbandonsAGameWithoutTouchingTheTable) {
    const PlayData data(kOneShortLife);
    data.WriteHighScores(LowHighScoreTable());
    const ScenarioResult r = data.Run(std::string(kStartGame) + "30 key 27\n", 60);
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_EQ(r.IntAt(29, "state"), kStatePlaying);
    EXPECT_EQ(r.IntAt(30, "state"), kStateTitleMenu);
    EXPECT_EQ(r.IntAt(60, "state"), kStateTitleMenu);
    EXPECT_TRUE(TicksWithSound(r, "SOUND_HIGHSCORE").empty());
    EXPECT_EQ(data.ReadHighScores(), LowHighScoreTable());
}

TEST_F(PlayFlowTest, PauseFreezesEverythingIncludingTheClock) {
    const PlayData data;
    const ScenarioResult r = data.Run(std::string(kStartGame) + "50 key 80\n150 key 80\n", 200);
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    ASSERT_EQ(r.IntAt(49, "state"), kStatePlaying);
    ASSERT_EQ(r.IntAt(50, "state"), kStatePaused);
    ASSERT_EQ(r.IntAt(149, "state"), kStatePaused);
    ASSERT_EQ(r.IntAt(150, "state"), kStatePlaying);
    for (const char* field : {"time", "score", "frog", "scroll", "insects", "tracks", "lives"}) {
        EXPECT_EQ(FieldAt(r, 50, field), FieldAt(r, 149, field)) << field;
    }
    EXPECT_EQ(FieldAt(r, 49, "time"), FieldAt(r, 50, "time")) << "the pausing frame does not count";
    EXPECT_LT(TimeAt(r, 151), TimeAt(r, 149)) << "the clock runs again after the pause";
}

TEST_F(PlayFlowTest, NothingOfThePlayChangesInThePauseAndItsKeysAreDropped) {
    const PlayData data;
    // Up, space and left in the pause; nothing after it.
    const ScenarioResult r =
        data.Run(std::string(kStartGame) + "50 key 80\n60 key 38\n70 key 32\n80 key 37\n150 key 80\n", 175);
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    ASSERT_EQ(r.IntAt(50, "state"), kStatePaused);
    ASSERT_EQ(r.IntAt(150, "state"), kStatePlaying);
    for (int tick = 51; tick < 150; ++tick) {
        EXPECT_EQ(FieldAt(r, tick, "frog"), FieldAt(r, 50, "frog")) << "tick " << tick;
        EXPECT_EQ(FieldAt(r, tick, "score"), FieldAt(r, 50, "score")) << "tick " << tick;
        EXPECT_EQ(FieldAt(r, tick, "sounds"), "[]") << "tick " << tick;
    }
    for (int tick = 150; tick <= 175; ++tick) {
        EXPECT_EQ(FieldAt(r, tick, "frog").rfind("{\"state\":" + std::to_string(FS_IDLE) + ",", 0), 0u)
            << "tick " << tick << ": a key of the pause acted";
    }
    EXPECT_EQ(FieldAt(r, 175, "frog"), FieldAt(r, 50, "frog"));
}

// Escape in the middle of a timed phase, then a new game: that game's same phase lasts as long.
TEST_F(PlayFlowTest, ANewGameStartsItsTimersFromZero) {
    struct Case {
        const char* lives;
        int phase;
    };
    const Case cases[] = {{"3", kStateAfterDeath}, {"1", kStateGameOver}};
    for (const Case& c : cases) {
        const PlayData data({{"levelTimeSeconds", "1.0"}, {"numFrogLifes", c.lives}});
        const ScenarioResult first = data.Run(kStartGame, 400);
        ASSERT_EQ(first.exitStatus, 0) << first.errors;
        const int start = FirstTickWith(first, "state", c.phase);
        ASSERT_GT(start, 0) << c.phase;
        int end = start;
        while (first.IntAt(end, "state") == c.phase) ++end;
        ASSERT_GT(end - start, 30) << c.phase;

        const int escape = start + 20;
        const ScenarioResult again = data.Run(
            std::string(kStartGame) + std::to_string(escape) + " key 27\n" + std::to_string(escape + 5) + " key 83\n",
            escape + 400);
        ASSERT_EQ(again.exitStatus, 0) << again.errors;
        ASSERT_EQ(again.IntAt(escape, "state"), kStateTitleMenu);
        const int secondStart = FirstTickWith(again, "state", c.phase, escape + 5);
        ASSERT_GT(secondStart, 0) << c.phase;
        int secondEnd = secondStart;
        while (again.IntAt(secondEnd, "state") == c.phase) ++secondEnd;
        EXPECT_EQ(secondEnd - secondStart, end - start) << "phase " << c.phase;
    }
}

}  // namespace
