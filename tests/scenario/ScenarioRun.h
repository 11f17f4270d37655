#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Runs the game headless on a private copy of the generated data (so that the high-score file of
// one scenario never reaches another) and reads back its state lines.
struct ScenarioResult {
    int exitStatus = -1;
    std::vector<std::string> states;  // one JSON object per tick
    std::string errors;               // standard error

    // A whole-number field of a tick's line (ticks from 1); -1000 when absent or null.
    int IntAt(int tick, const std::string& key) const;
    bool BoolAt(int tick, const std::string& key) const;
    bool SoundStartedAt(int tick, const std::string& name) const;
};

// `omitFiles` are left out of the private data copy. A later --data in `extraArgs` wins.
ScenarioResult RunScenario(const std::string& script, const std::vector<std::string>& extraArgs = {},
                           const std::vector<std::string>& omitFiles = {});
bool GameDataAvailable();

// The fixture of every scenario family: a run without the generated data is skipped, not failed.
class ScenarioTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!GameDataAvailable()) GTEST_SKIP() << "the generated game data is missing (build the gamedata target)";
    }
};
