#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ScenarioRun.h"

namespace {

// A fatal start-up problem ends the run with status 255 (−1) after one line naming the file.
struct MissingCase {
    const char* file;
    const char* named;
};

TEST(StartupFailureTest, AMissingFileIsNamedAndTheRunEnds) {
    if (!GameDataAvailable()) GTEST_SKIP() << "the generated game data is missing (build the gamedata target)";
    const MissingCase cases[] = {
        {"HUDFont.fnt", "HUDFont.fnt"},
        {"ScoreFont.fnt", "ScoreFont.fnt"},
        {"preload.bmp", "preload"},
        {"titlemenu.bmp", "titlemenu"},
    };
    for (const MissingCase& c : cases) {
        const ScenarioResult r = RunScenario("", {"--ticks", "5"}, {c.file, "ReedJumper.dat"});
        EXPECT_EQ(r.exitStatus, 255) << c.file << "\n" << r.errors;
        EXPECT_NE(r.errors.find(c.named), std::string::npos) << c.file << "\n" << r.errors;
        EXPECT_LE(r.states.size(), 5u);
    }
}

TEST(StartupFailureTest, AMissingDataFolderIsNamed) {
    const ScenarioResult r = RunScenario("", {"--ticks", "5", "--data", "/nonexistent/rj-data"});
    EXPECT_EQ(r.exitStatus, 255);
    EXPECT_NE(r.errors.find("/nonexistent/rj-data"), std::string::npos) << r.errors;
    EXPECT_TRUE(r.states.empty());
}

TEST(StartupFailureTest, UnknownOptionPrintsTheUsageWithStatusTwo) {
    const ScenarioResult r = RunScenario("", {"--bogus"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.errors.find("--bogus"), std::string::npos);
    EXPECT_NE(r.errors.find("usage: reedjumper"), std::string::npos);
}

TEST(StartupFailureTest, WithoutADisplayTheGameSaysSoAndEndsWithStatusOne) {
    const std::string errors = ::testing::TempDir() + "no_display_stderr_" + std::to_string(getpid()) + ".txt";
    const std::string user = ::testing::TempDir() + "no_display_user_" + std::to_string(getpid());
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER '" + std::string(RJ_BINARY_DIR) +
                                "/reedjumper' --data '" + RJ_DATA_DIR + "' --userdir '" + user + "' 2> '" + errors +
                                "'";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    std::ifstream in(errors);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line.rfind("cannot open a window: ", 0), 0u) << line;
    std::remove(errors.c_str());
    std::filesystem::remove_all(user);
}

}  // namespace
