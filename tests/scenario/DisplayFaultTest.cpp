// The display's surfaces lost again and again while a game runs (as when another program takes
// the screen): after each restore the picture is the one the game shows without the loss.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "ScenarioRun.h"
#include "TempFolder.h"

namespace {

// Every 100th tick from the title menu through the new game's scroll into play.
constexpr int kLossEvery = 100;
constexpr int kTicks = 760;
// A game started at once, then the frog hops once the scroll has ended.
const std::map<int, std::string> kPlayerKeys = {{2, "key 83"},   {300, "key 38"}, {340, "key 38"},
                                                {380, "key 37"}, {420, "key 38"}, {520, "key 39"}};

std::string Script(bool withLosses) {
    std::map<int, std::vector<std::string>> events;
    for (const auto& [tick, event] : kPlayerKeys) events[tick].push_back(event);
    if (withLosses) {
        for (int tick = kLossEvery; tick <= kTicks; tick += kLossEvery) events[tick].push_back("lose");
    }
    std::string script;
    for (const auto& [tick, list] : events) {
        for (const std::string& event : list) script += std::to_string(tick) + " " + event + "\n";
    }
    return script;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct PlayedRun {
    ScenarioResult result;
    std::map<int, std::string> frames;  // by tick, the BMP bytes
};

PlayedRun Play(bool withLosses, const std::vector<int>& frameTicks, const TempFolder& folder) {
    std::vector<std::string> args = {"--seed", "11", "--ticks", std::to_string(kTicks)};
    const std::string prefix = withLosses ? "lost-" : "kept-";
    for (int tick : frameTicks) {
        args.push_back("--frame");
        args.push_back(std::to_string(tick) + ":" + folder.File(prefix + std::to_string(tick) + ".bmp"));
    }
    PlayedRun run;
    run.result = RunScenario(Script(withLosses), args);
    for (int tick : frameTicks) run.frames[tick] = ReadAll(folder.File(prefix + std::to_string(tick) + ".bmp"));
    return run;
}

}  // namespace

TEST(DisplayFaultTest, APictureLostEveryHundredFramesIsRestoredExactly) {
    if (!GameDataAvailable()) GTEST_SKIP() << "the generated game data is missing (build the gamedata target)";
    const TempFolder folder("rj-surface-loss");
    // The frame of each loss, the first frame after its restore, and one half-way to the next.
    std::vector<int> ticks;
    for (int tick = kLossEvery; tick <= kTicks; tick += kLossEvery) {
        ticks.push_back(tick);
        ticks.push_back(tick + 1);
        if (tick + kLossEvery / 2 <= kTicks) ticks.push_back(tick + kLossEvery / 2);
    }
    const PlayedRun kept = Play(false, ticks, folder);
    const PlayedRun lost = Play(true, ticks, folder);
    ASSERT_EQ(kept.result.exitStatus, 0) << kept.result.errors;
    ASSERT_EQ(lost.result.exitStatus, 0) << lost.result.errors;
    EXPECT_EQ(lost.result.errors, kept.result.errors);
    ASSERT_EQ(kept.result.states.size(), static_cast<size_t>(kTicks));
    EXPECT_EQ(lost.result.states, kept.result.states) << "the loss changed the play";
    EXPECT_EQ(kept.result.IntAt(kTicks, "state"), lost.result.IntAt(kTicks, "state"));

    int lossFramesDiffering = 0;
    for (int tick : ticks) {
        ASSERT_GT(kept.frames.at(tick).size(), 800u * 600u * 3u) << "no frame at tick " << tick;
        if (tick % kLossEvery == 0) {
            // The frame drawn while the surfaces were lost may lack parts; it is not compared.
            lossFramesDiffering += lost.frames.at(tick) != kept.frames.at(tick);
            continue;
        }
        EXPECT_TRUE(lost.frames.at(tick) == kept.frames.at(tick)) << "tick " << tick << " differs after the restore";
    }
    // Proof that the surfaces were really lost: some frame of a loss shows it.
    EXPECT_GT(lossFramesDiffering, 0);
}
