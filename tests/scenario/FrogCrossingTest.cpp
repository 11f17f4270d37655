#include <gtest/gtest.h>

#include <string>

#include "ScenarioRun.h"
#include "world/GameState.h"
#include "world/objects/ObjectKinds.h"

namespace {

// Level 0 with seed 1: jumps timed between the cars of the first road, then up across the first
// river on the river objects. A change to the frog's jumps, riding, landing look-ahead or to the
// collision check shows up here as a death or a frog that never gets across.
constexpr const char* kCrossing =
    "20 key 83\n"
    "200 key 38\n248 key 38\n311 key 38\n329 key 38\n347 key 38\n365 key 38\n383 key 38\n"
    "401 key 38\n419 key 38\n443 key 38\n461 key 38\n479 key 38\n497 key 38\n";
constexpr int kTicks = 560;

using FrogCrossingTest = ScenarioTest;

}  // namespace

TEST_F(FrogCrossingTest, TheFrogCrossesTheFirstRoadAndRiverRidingItsObjects) {
    const ScenarioResult r = RunScenario(kCrossing, {"--seed", "1", "--ticks", std::to_string(kTicks)});
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    const int lives = r.IntAt(30, "lives");
    int ridingTicks = 0;
    for (int tick = 30; tick <= kTicks; ++tick) {
        ASSERT_EQ(r.IntAt(tick, "state"), kStatePlaying) << "tick " << tick;
        ASSERT_EQ(r.IntAt(tick, "lives"), lives) << "tick " << tick;
        const std::string& line = r.states[static_cast<size_t>(tick - 1)];
        for (int kind = KIND_TRUNK; kind <= KIND_WATER_LILY; ++kind) {
            if (line.find("\"carrier\":" + std::to_string(kind) + ",") != std::string::npos) ++ridingTicks;
        }
    }
    EXPECT_GE(ridingTicks, 4);  // it stood on river objects on its way across, never in the water
    // Fourteen rows up: past the road (rows 2 … 5) and the river (rows 8 … 11) above it.
    const std::string& last = r.states.back();
    EXPECT_NE(last.find("\"y\":1012"), std::string::npos) << last.substr(0, 400);
}
