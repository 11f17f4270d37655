#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ScenarioRun.h"
#include "TempFolder.h"

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

TEST(StartupFailureTest, WithoutItsSettingsFileTheGameSaysSoOnceAndEnds) {
    if (!GameDataAvailable()) GTEST_SKIP() << "the generated game data is missing (build the gamedata target)";
    const ScenarioResult r = RunScenario("2 key 83\n", {"--ticks", "5"}, {"config.txt", "ReedJumper.dat"});
    EXPECT_EQ(r.exitStatus, 255) << r.errors;
    EXPECT_TRUE(r.states.empty()) << "no frame runs without settings";
    ASSERT_FALSE(r.errors.empty());
    EXPECT_EQ(r.errors.find('\n'), r.errors.size() - 1) << "one line:\n" << r.errors;
    EXPECT_NE(r.errors.find("config.txt"), std::string::npos) << r.errors;
}

TEST(StartupFailureTest, WithoutItsSettingsFileTheWindowedGameEndsToo) {
    if (!GameDataAvailable()) GTEST_SKIP() << "the generated game data is missing (build the gamedata target)";
    if (std::system("command -v xvfb-run > /dev/null 2>&1") != 0) GTEST_SKIP() << "xvfb-run is not installed";
    const TempFolder folder("rj-no-settings");
    const std::filesystem::path data = folder.Path() / "data";
    std::filesystem::create_directories(data);
    for (const auto& entry : std::filesystem::directory_iterator(RJ_DATA_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name != "config.txt" && name != "ReedJumper.dat")
            std::filesystem::create_symlink(entry.path(), data / name);
    }
    const std::string errors = folder.File("stderr.txt");
    const std::string command = "SDL_AUDIODRIVER=dummy timeout 60 xvfb-run -a -s '-screen 0 1024x768x24' '" +
                                std::string(RJ_BINARY_DIR) + "/reedjumper' --windowed --data '" + data.string() +
                                "' --userdir '" + folder.File("user") + "' 2> '" + errors + "'";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 255);
    std::ifstream in(errors);
    std::string line;
    std::getline(in, line);
    EXPECT_NE(line.find("config.txt"), std::string::npos) << line;
    std::string more;
    EXPECT_FALSE(std::getline(in, more)) << "a second line: " << more;
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
    const TempFolder folder("rj-no-display");
    const std::string errors = folder.File("stderr.txt");
    const std::string user = folder.File("user");
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
}

}  // namespace
