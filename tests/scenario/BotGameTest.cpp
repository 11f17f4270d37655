#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "PlayScenario.h"
#include "ScenarioRun.h"
#include "world/GameState.h"

namespace fs = std::filesystem;

namespace {

constexpr int kUsageStatus = 2;
// 60 seconds of 50 ticks.
constexpr int kLongestStall = 3000;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Field(const std::string& line, const std::string& key) {
    const std::string pattern = "\"" + key + "\":";
    const size_t at = line.find(pattern);
    if (at == std::string::npos) return {};
    const size_t end = line.find_first_of(",}", at + pattern.size());
    return line.substr(at + pattern.size(), end - at - pattern.size());
}

// The list of sounds started in the line's tick, as written.
std::string SoundsOf(const std::string& line) {
    const size_t at = line.find("\"sounds\":[");
    if (at == std::string::npos) return {};
    const size_t begin = at + std::string("\"sounds\":").size();
    return line.substr(begin, line.find(']', begin) + 1 - begin);
}

// The line without its tick number.
std::string WithoutTick(const std::string& line) {
    const size_t comma = line.find(',');
    return comma == std::string::npos ? line : line.substr(comma);
}

// A private data folder (links to the generated data) whose settings start with `overrides`,
// which win over the shipped values; the game keeps its table and replays in it.
class BotGameTest : public testing::Test {
protected:
    void SetUp() override {
        if (!GameDataAvailable()) GTEST_SKIP() << "the generated game data is missing (build the gamedata target)";
        std::string pattern = (fs::temp_directory_path() / "rj-botgame-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        data_ = dir_ / "data";
        user_ = dir_ / "user";
        fs::create_directories(data_);
        fs::create_directories(user_);
        for (const auto& entry : fs::directory_iterator(RJ_DATA_DIR)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with("HighScore") || name == "config.txt" || name[0] == '.') continue;
            fs::create_symlink(entry.path(), data_ / name);
        }
    }
    void TearDown() override {
        if (!dir_.empty()) fs::remove_all(dir_);
    }

    void WriteConfig(const std::string& overrides) {
        std::ofstream(data_ / "config.txt") << overrides << ReadFile(fs::path(RJ_DATA_DIR) / "config.txt");
    }

    // Runs the game headless with the arguments; returns the exit status, fills the state lines
    // and standard error.
    int Run(const std::string& args, std::vector<std::string>& states, std::string& errors) {
        const fs::path state = dir_ / "state.jsonl";
        const fs::path err = dir_ / "stderr.txt";
        fs::remove(state);
        const std::string command = "'" + std::string(RJ_BINARY_DIR) +
                                    "/reedjumper' --headless --strict-settings --data '" + data_.string() +
                                    "' --userdir '" + user_.string() + "' --state '" + state.string() + "' " + args +
                                    " 2> '" + err.string() + "'";
        const int raw = std::system(command.c_str());
        states = Lines(ReadFile(state));
        errors = ReadFile(err);
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    fs::path dir_;
    fs::path data_;
    fs::path user_;  // the player's folder: table, replays, remembered options
};

TEST_F(BotGameTest, TheBotFinishesEveryLevelAndItsRecordedGamePlaysBackTheSame) {
    // One frog per level keeps the games short; the bot still crosses all five levels.
    WriteConfig("numFrogsToGoal 1\n");
    for (const char* seed : {"2", "3"}) {
        SCOPED_TRACE(std::string("seed ") + seed);
        fs::remove(user_ / "HighScore.txt");
        fs::remove(user_ / "HighScore-01.replay");
        std::vector<std::string> played;
        std::string errors;
        ASSERT_EQ(Run("--autoplay --ticks 40000 --record '" + (dir_ / "game.replay").string() + "' --seed " + seed,
                      played, errors),
                  0)
            << errors;
        // It reached the closing scene, typed its name and ended the program well before the cap.
        bool showDown = false;
        int stall = 0;
        int firstGameTick = 0;
        std::string progress;
        for (size_t i = 0; i < played.size(); ++i) {
            const std::string& line = played[i];
            const int state = std::atoi(Field(line, "state").c_str());
            showDown = showDown || state == kStateFinalShowDown;
            if (state == kStatePlaying && firstGameTick == 0) firstGameTick = static_cast<int>(i);
            const std::string now = Field(line, "level") + Field(line, "frogsLeft") + Field(line, "lives") +
                                    Field(line, "state") + Field(Field(line, "frog").empty() ? "" : line, "y");
            stall = now == progress ? stall + 1 : 0;
            progress = now;
            ASSERT_LT(stall, kLongestStall) << "no progress for a minute at tick " << i + 1;
        }
        EXPECT_TRUE(showDown);
        ASSERT_LT(played.size(), 40000u);
        // The game's recording (kept by --record; a high score keeps it beside the table as well)
        // plays back to the same states tick by tick.
        ASSERT_TRUE(fs::exists(dir_ / "game.replay"));
        std::vector<std::string> replayed;
        ASSERT_EQ(Run("--replay '" + (dir_ / "game.replay").string() + "'", replayed, errors), 0) << errors;
        ASSERT_GT(firstGameTick, 0);
        const size_t gameTicks = played.size() - static_cast<size_t>(firstGameTick);
        ASSERT_GE(replayed.size(), gameTicks - 8);
        size_t compared = 0;
        for (size_t i = 0; i < replayed.size() && firstGameTick + i < played.size(); ++i) {
            // The replay ends where the score is offered: it goes back to the title menu.
            if (Field(played[firstGameTick + i], "state") == std::to_string(kStateHighScoreSubmit)) break;
            ASSERT_EQ(WithoutTick(replayed[i]), WithoutTick(played[firstGameTick + i])) << "game tick " << i + 1;
            ++compared;
        }
        EXPECT_GT(compared, gameTicks - 20);
    }
}

TEST_F(BotGameTest, AReplayOfOtherDataOrADamagedOneIsRefusedWithOneLine) {
    WriteConfig("");
    const fs::path replay = dir_ / "other.replay";
    const struct {
        const char* text;
        const char* reason;
    } cases[] = {
        {"reedjumper replay 1\ngame 1.0.0\ndata 0000000000000000\nseed 1\nshadows 1\nticks 1\nT 20\nend\n",
         "other game data"},
        {"reedjumper replay 1\ngame 0.1\ndata 0\nseed 1\nshadows 1\nticks 1\nT 20\nend\n", "version 0.1"},
        {"reedjumper replay 1\ngame 1.0.0\ndata 0\nseed 1\nshadows 1\nticks 2\nT 20\n", "damaged"},
    };
    for (const auto& c : cases) {
        std::ofstream(replay, std::ios::trunc) << c.text;
        std::vector<std::string> states;
        std::string errors;
        EXPECT_EQ(Run("--replay '" + replay.string() + "'", states, errors), kUsageStatus) << c.reason;
        EXPECT_NE(errors.find(c.reason), std::string::npos) << errors;
        EXPECT_NE(errors.find(replay.string()), std::string::npos) << errors;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
        EXPECT_TRUE(states.empty());
    }
}

// A game played in a window under a virtual X server with sound on (its irregular frame steps in
// microseconds, a pause, two lost lives, the croaks of a frog at rest), kept with what its state
// dump said, tick by tick: the replay must play it back the same, sounds included.
TEST_F(BotGameTest, AGamePlayedInAWindowReplaysToItsRecordedStates) {
    WriteConfig("");
    const fs::path fixtures = fs::path(RJ_SOURCE_DIR) / "tests" / "scenario" / "fixtures";
    const std::vector<std::string> expected = Lines(ReadFile(fixtures / "window-game.states"));
    ASSERT_GT(expected.size(), 100u);
    std::vector<std::string> replayed;
    std::string errors;
    ASSERT_EQ(Run("--replay '" + (fixtures / "window-game.replay").string() + "'", replayed, errors), 0) << errors;
    ASSERT_GE(replayed.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const std::string& line = replayed[i];
        const std::string frog = line.substr(line.find("\"frog\":"));
        const std::string brief = Field(line, "state") + " " + Field(line, "level") + " " + Field(line, "lives") + " " +
                                  Field(line, "frogsLeft") + " " + Field(line, "score") + " " + Field(frog, "state") +
                                  " " + Field(frog, "x") + " " + Field(frog, "y") + " " + SoundsOf(line);
        ASSERT_EQ(brief, expected[i]) << "tick " << i + 1;
    }
    // Then the game is back on the title menu, where the window game was left with Escape.
    EXPECT_EQ(Field(replayed[expected.size()], "state"), std::to_string(kStateTitleMenu));
}

// Half a minute untouched on the title menu starts the demo (the bot, as no entry has a replay);
// a click ends it without its release pressing the button under it, a key ends the next one, and
// neither demo is recorded or touches the table.
TEST_F(BotGameTest, TheIdleTitleMenuPlaysADemoThatAKeyOrAClickEnds) {
    WriteConfig("");
    const fs::path script = dir_ / "script.txt";
    std::ofstream(script) << "1600 down 650 540\n"  // on the exit button
                             "1601 up 650 540\n"
                             "3250 key 32\n";
    const fs::path record = dir_ / "record.replay";
    std::vector<std::string> states;
    std::string errors;
    ASSERT_EQ(Run("--seed 4 --ticks 3300 --input '" + script.string() + "' --record '" + record.string() + "'", states,
                  errors),
              0)
        << errors;
    ASSERT_EQ(states.size(), 3300u) << "the release on the exit button must not end the program";
    auto stateAt = [&states](size_t tick) { return std::atoi(Field(states[tick - 1], "state").c_str()); };
    size_t demoStart = 0;
    for (size_t tick = 1; tick <= 1599 && demoStart == 0; ++tick) {
        if (stateAt(tick) != kStateTitleMenu) demoStart = tick;
    }
    // 30 seconds of 50 ticks after the first title tick.
    EXPECT_GE(demoStart, 1495u);
    EXPECT_LE(demoStart, 1505u);
    EXPECT_EQ(stateAt(1599), kStatePlaying);
    EXPECT_EQ(stateAt(1600), kStateTitleMenu);
    EXPECT_EQ(stateAt(1601), kStateTitleMenu);
    // The idle time starts again: the next demo comes half a minute after the click.
    EXPECT_EQ(stateAt(3050), kStateTitleMenu);
    EXPECT_EQ(stateAt(3249), kStatePlaying);
    EXPECT_EQ(stateAt(3250), kStateTitleMenu);
    EXPECT_EQ(stateAt(3300), kStateTitleMenu);
    EXPECT_FALSE(fs::exists(record)) << "a demo is not recorded";
    EXPECT_FALSE(fs::exists(user_ / "HighScore-01.replay"));
}

// A game that makes the table keeps its recording beside it: the entries below move down with
// their replays and the one pushed off loses its own. A digit on the table plays an entry's
// replay, which returns to the table without entering it again.
TEST(EntryReplayTest, ANewEntryKeepsItsReplayTheOthersMoveDownAndADigitPlaysIt) {
    if (!GameDataAvailable()) GTEST_SKIP() << "the generated game data is missing (build the gamedata target)";
    const PlayData data({{"levelTimeSeconds", "1.0"}, {"numFrogLifes", "1"}});
    const std::vector<std::pair<int, std::string>> before = {
        {1000, "Lorimeth"}, {900, "Wendal"}, {800, "Brisko"}, {700, "Tarvold"}, {600, "Sunya"},
        {500, "Ulmaris"},   {400, "Fendar"}, {300, "Orno"},   {-1, "Velisto"},  {-2, "Kemaril"}};
    data.WriteHighScores(HighScoreFileText(before));
    const fs::path user = data.HighScoreFile().parent_path();
    std::ofstream(user / "HighScore-08.replay") << "the replay of entry 8\n";
    std::ofstream(user / "HighScore-09.replay") << "the replay of entry 9\n";
    std::ofstream(user / "HighScore-10.replay") << "the replay of entry 10\n";
    // S starts; the frog runs out of time at once; the name is typed and saved on the table;
    // then 9 plays the new ninth entry's game.
    const ScenarioResult r = data.Run("2 key 83\n600 char 74\n601 char 13\n620 key 57\n", 1200);
    ASSERT_EQ(r.exitStatus, 0) << r.errors;

    auto text = [](const fs::path& path) {
        std::ifstream in(path);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    };
    EXPECT_EQ(text(user / "HighScore-08.replay"), "the replay of entry 8\n");
    EXPECT_EQ(text(user / "HighScore-10.replay"), "the replay of entry 9\n");
    EXPECT_EQ(text(user / "HighScore-09.replay").rfind("reedjumper replay ", 0), 0u) << "the new entry's game";
    EXPECT_FALSE(fs::exists(user / "HighScore-11.replay"));

    EXPECT_EQ(r.IntAt(619, "state"), kStateHighScoreTable);
    EXPECT_EQ(r.IntAt(620, "state"), kStatePlaying) << "the digit plays the entry's game";
    const int back = FirstTickWith(r, "state", kStateHighScoreTable, 621);
    ASSERT_GT(back, 700) << "the replayed game ends where its score was offered";
    EXPECT_EQ(FirstTickWith(r, "state", kStateHighScoreSubmit, 621), 0) << "a replay never enters the table";
    EXPECT_EQ(r.IntAt(1200, "state"), kStateHighScoreTable);
    std::vector<std::pair<int, std::string>> after = before;
    after.insert(after.begin() + 8, {0, "J"});
    after.pop_back();
    EXPECT_EQ(data.ReadHighScores(), HighScoreFileText(after));
}

}  // namespace
