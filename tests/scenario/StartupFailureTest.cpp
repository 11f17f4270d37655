#include <gtest/gtest.h>

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

}  // namespace
