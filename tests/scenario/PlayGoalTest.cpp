#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "PlayScenario.h"

namespace {

float FloatAt(const ScenarioResult& r, int tick, const std::string& key) {
    return std::strtof(FieldAt(r, tick, key).c_str(), nullptr);
}

const std::vector<std::pair<std::string, std::string>> kWholeGameSettings = {
    {"inGoalDistance", "100000"}, {"scorePerSecLeft", "10"},     {"levelTimeSeconds", "60.0"}, {"numFrogsToGoal", "3"},
    {"areaDoneScore", "200"},     {"frogSpeedFactor01", "1.12"}, {"frogSpeedFactor02", "1.25"}};

// One whole game, played once for the family and read by every test: with a goal distance larger
// than the world every frog standing idle counts as home, so the game runs through its five levels
// without a key pressed after the start.
class PlayGoalTest : public ScenarioTest {
protected:
    static void SetUpTestSuite() {
        if (!GameDataAvailable()) return;
        data_ = std::make_unique<PlayData>(kWholeGameSettings);
        whole_ = std::make_unique<ScenarioResult>(data_->Run("2 key 83\n", 1950));
    }
    static void TearDownTestSuite() {
        whole_.reset();
        data_.reset();
    }
    static const PlayData& WholeGameData() { return *data_; }
    static const ScenarioResult& WholeGame() { return *whole_; }

private:
    static inline std::unique_ptr<PlayData> data_;
    static inline std::unique_ptr<ScenarioResult> whole_;
};

TEST_F(PlayGoalTest, AFrogHomeEarnsItsTimeBonusAndStopsTheClock) {
    const ScenarioResult& r = WholeGame();
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    ASSERT_EQ(r.IntAt(2, "state"), kStatePlaying);
    EXPECT_EQ(r.IntAt(2, "frogsLeft"), 2);
    // 59.98 seconds left at 10 points a second.
    EXPECT_EQ(r.IntAt(2, "score"), 599);
    EXPECT_LT(r.IntAt(2, "shown"), 599) << "the shown score counts up";
    EXPECT_EQ(FieldAt(r, 3, "time"), FieldAt(r, 2, "time")) << "the clock stands while the frog is in the goal";
    EXPECT_EQ(FieldAt(r, 20, "time"), FieldAt(r, 2, "time"));
}

TEST_F(PlayGoalTest, TrafficSpeedsUpWithEachFrogHome) {
    const ScenarioResult& r = WholeGame();
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    const int second = FirstTickWith(r, "frogsLeft", 1);
    const int third = FirstTickWith(r, "frogsLeft", 0);
    ASSERT_GT(second, 2);
    ASSERT_GT(third, second);
    const float first = FloatAt(r, 2, "trackSpeed");
    ASSERT_NE(first, 0.0f);
    EXPECT_NEAR(FloatAt(r, second - 1, "trackSpeed") / first, 1.12f, 1e-3f) << "two frogs left: factor 01";
    EXPECT_NEAR(FloatAt(r, third - 1, "trackSpeed") / first, 1.12f * 1.25f, 1e-3f) << "one frog left: factor 02";
}

TEST_F(PlayGoalTest, ALevelFinishedShowsItsMessageAndTheNextLevelBegins) {
    const ScenarioResult& r = WholeGame();
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    const int done = FirstTickWith(r, "frogsLeft", 0);
    ASSERT_GT(done, 0);
    EXPECT_EQ(FieldAt(r, done, "message"), "[\"Level geschafft!\",\"200 Punkte!\"]");
    EXPECT_EQ(r.IntAt(done, "score") - r.IntAt(done - 1, "score") - 200,
              static_cast<int>(FloatAt(r, done, "time") * 10.0f))
        << "the last frog's time bonus and the level's 200 points";
    const int nextLevel = FirstTickWith(r, "level", 1, done);
    ASSERT_GT(nextLevel, done);
    EXPECT_EQ(r.IntAt(nextLevel, "frogsLeft"), 3);
    EXPECT_EQ(r.IntAt(nextLevel, "state"), kStatePlaying);
}

TEST_F(PlayGoalTest, TheLastLevelEndsInTheFinalScrollAndTheShowDown) {
    const ScenarioResult& r = WholeGame();
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    const int scroll = FirstTickWith(r, "state", kStateFinalScroll);
    ASSERT_GT(scroll, 0) << "the game never reached its end";
    EXPECT_EQ(r.IntAt(scroll, "level"), 5);
    EXPECT_EQ(r.IntAt(scroll, "insects"), 0);
    EXPECT_EQ(FieldAt(r, scroll, "tracks"), "[]") << "the areas are gone";
    EXPECT_EQ(FieldAt(r, scroll, "goal"), "null");
    const int showDown = FirstTickWith(r, "state", kStateFinalShowDown, scroll);
    ASSERT_GT(showDown, scroll);
    EXPECT_NEAR(showDown - scroll, 125, 1) << "2.5 seconds of closing scroll";
    for (int tick = scroll + 1; tick < showDown; ++tick) {
        EXPECT_FALSE(r.SoundStartedAt(tick, "SOUND_FROG_IDLE")) << "the held frog croaks again at tick " << tick;
    }
    const int submit = FirstTickWith(r, "state", kStateHighScoreSubmit, showDown);
    ASSERT_GT(submit, showDown);
    EXPECT_NEAR(submit - showDown, 750, 1) << "15 seconds of show-down";
    EXPECT_EQ(r.IntAt(submit + 1, "state"), kStateHighScoreTable);
    EXPECT_TRUE(r.SoundStartedAt(submit + 1, "SOUND_HIGHSCORE"));
    EXPECT_EQ(r.errors.find("missing key"), std::string::npos) << r.errors;
}

TEST_F(PlayGoalTest, EscapeDuringTheShowDownLeavesTheTableUntouched) {
    const ScenarioResult& whole = WholeGame();
    const int showDown = FirstTickWith(whole, "state", kStateFinalShowDown);
    ASSERT_GT(showDown, 0);
    const PlayData& data = WholeGameData();
    const std::string before = data.ReadHighScores();
    const ScenarioResult r = data.Run("2 key 83\n" + std::to_string(showDown + 10) + " key 27\n", showDown + 30);
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_EQ(r.IntAt(showDown + 9, "state"), kStateFinalShowDown);
    EXPECT_EQ(r.IntAt(showDown + 30, "state"), kStateTitleMenu);
    EXPECT_TRUE(TicksWithSound(r, "SOUND_HIGHSCORE").empty());
    EXPECT_EQ(data.ReadHighScores(), before);
}

TEST_F(PlayGoalTest, TheShowDownTalliesWithSoundAndAKeyAfterTheTallyGoesOn) {
    const ScenarioResult& whole = WholeGame();
    const int showDown = FirstTickWith(whole, "state", kStateFinalShowDown);
    ASSERT_GT(showDown, 0);
    // The tally counts while nobody presses anything: ticking and chiming inside the scene.
    int ticking = 0;
    for (const int tick : TicksWithSound(whole, "SOUND_COUNT_DOWN")) ticking += tick > showDown;
    EXPECT_GT(ticking, 10);
    const std::vector<int> total = TicksWithSound(whole, "SOUND_BONUS_LIFE");
    ASSERT_FALSE(total.empty());
    EXPECT_GT(total.back(), showDown);
    EXPECT_LT(total.back(), showDown + 750) << "the total lands well before the 15 seconds are up";

    // A key while it counts does nothing; a key once it has landed goes on to the table.
    const int early = showDown + 100;
    const int late = total.back() + 10;
    const ScenarioResult r = WholeGameData().Run(
        "2 key 83\n" + std::to_string(early) + " key 65\n" + std::to_string(late) + " key 65\n", late + 2);
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_EQ(r.IntAt(early, "state"), kStateFinalShowDown);
    EXPECT_EQ(r.IntAt(late - 1, "state"), kStateFinalShowDown);
    // The key is taken before the tick's frame, so the submit step passes within that same tick.
    EXPECT_EQ(r.IntAt(late, "state"), kStateHighScoreTable);
    EXPECT_EQ(r.IntAt(late + 1, "state"), kStateHighScoreTable);
}

}  // namespace
