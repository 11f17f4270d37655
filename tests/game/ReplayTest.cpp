#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "game/Replay.h"

namespace {

Replay Sample() {
    Replay r;
    r.gameVersion = "1.0.0";
    r.dataHash = "0123456789abcdef";
    r.seed = 4000000000u;
    r.shadows = false;
    r.AddEvent(Replay::Event::Kind::Key, 83);  // before the first tick
    for (int i = 0; i < 90; ++i) r.AddTick(20000);
    r.AddEvent(Replay::Event::Kind::Key, 38);
    r.AddEvent(Replay::Event::Kind::Char, 0xFC);
    r.AddTick(21000);
    r.AddTick(37350);  // a window's step, with its fraction of a millisecond
    r.AddEvent(Replay::Event::Kind::Down, 72, 540);
    r.AddEvent(Replay::Event::Kind::Up, 799, 599);
    r.AddEvent(Replay::Event::Kind::Pad, 7);
    r.AddEvent(Replay::Event::Kind::PadRemoved, 0);
    r.AddEvent(Replay::Event::Kind::FocusLost, 0);
    r.AddTick(20000);
    return r;
}

// A folder of its own for each test, removed afterwards.
class ReplayFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "rj-replay-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
};

TEST(ReplayTest, ATextRoundTripKeepsEveryTickAndInput) {
    const Replay original = Sample();
    Replay parsed;
    std::string error;
    ASSERT_TRUE(Replay::Parse(original.Serialize(), parsed, error)) << error;
    EXPECT_EQ(parsed, original);
    EXPECT_EQ(parsed.events[0].tick, 0u);
    EXPECT_EQ(parsed.events[1].tick, 90u);
    EXPECT_EQ(parsed.events[3].tick, 92u);
}

TEST(ReplayTest, EqualStepsAreWrittenAsOneRun) {
    const std::string text = Sample().Serialize();
    EXPECT_NE(text.find("T 20000*90 21000 37350 20000\n"), std::string::npos) << text;
    EXPECT_LT(text.size(), 300u);
}

TEST(ReplayTest, DamagedFilesAreRefusedWithAReason) {
    const std::string good = Sample().Serialize();
    auto replace = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const struct {
        std::string text;
        const char* reason;
    } cases[] = {
        {"", "not a replay"},
        {"hello\n", "not a replay"},
        {replace("replay 1", "replay 2"), "format 2"},
        {good.substr(0, good.size() - 4), "without \"end\""},
        {replace("ticks 93", "ticks 94"), "93 time steps for 94 ticks"},
        {replace("ticks 93", "ticks 92"), "more time steps than ticks"},
        {replace("T 20000*90", "T 0*90"), "time step \"0*90\""},
        {replace("T 20000*90", "T 60000001*90"), "time step \"60000001*90\""},
        {replace("E 92 p 7", "E 92 p"), "input value"},
        {replace("E 90 c 252", "E 89 c 252"), "out of order"},
        {replace("E 90 k 38", "E 90 x 38"), "unknown input"},
        {replace("E 92 d 72 540", "E 92 d 72"), "input value"},
        {replace("seed 4000000000", "seed -1"), "seed"},
        {replace("shadows 0", "shadows 2"), "shadows"},
        {good + "more\n", "after \"end\""},
    };
    for (const auto& c : cases) {
        Replay parsed;
        std::string error;
        EXPECT_FALSE(Replay::Parse(c.text, parsed, error)) << c.reason;
        EXPECT_NE(error.find(c.reason), std::string::npos) << "wanted \"" << c.reason << "\", got: " << error;
    }
}

TEST_F(ReplayFileTest, SavedReplaysLoadBackAndLeaveNoTemporaryFile) {
    const std::string path = (folder_ / "HighScore-01.replay").string();
    std::string error;
    ASSERT_TRUE(Sample().Save(path, error)) << error;
    Replay loaded;
    ASSERT_TRUE(Replay::Load(path, loaded, error)) << error;
    EXPECT_EQ(loaded, Sample());
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(ReplayFileTest, AFailedSaveKeepsTheOldReplay) {
    const std::string path = (folder_ / "HighScore-01.replay").string();
    std::string error;
    ASSERT_TRUE(Sample().Save(path, error)) << error;
    // The temporary file cannot be made: a folder stands in its place.
    std::filesystem::create_directory(path + ".tmp");
    Replay other = Sample();
    other.seed = 7;
    EXPECT_FALSE(other.Save(path, error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    Replay loaded;
    ASSERT_TRUE(Replay::Load(path, loaded, error)) << error;
    EXPECT_EQ(loaded.seed, Sample().seed);
}

TEST_F(ReplayFileTest, AMissingOrCutFileNamesItself) {
    const std::string path = (folder_ / "cut.replay").string();
    std::ofstream(path) << Sample().Serialize().substr(0, 60);
    Replay loaded;
    std::string error;
    EXPECT_FALSE(Replay::Load(path, loaded, error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_FALSE(Replay::Load((folder_ / "none.replay").string(), loaded, error));
    EXPECT_NE(error.find("none.replay"), std::string::npos) << error;
}

}  // namespace
