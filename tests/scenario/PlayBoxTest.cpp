#include <gtest/gtest.h>

#include <string>

#include "PlayScenario.h"
#include "world/FrogState.h"
#include "world/objects/ObjectKinds.h"

namespace {

// Level 0 starting with a river of slow, dense traffic: trunks and the like on its first lane,
// kill boxes on the lanes above. Each life the frog hops onto the first lane, then up towards
// the boxes: the first frog misses and drowns, the second is struck on its trunk by a box
// passing over it, the third jumps up onto a box that strikes it during the jump and takes the
// blow riding that box.
constexpr const char* kThreeLives =
    "2 key 83\n"
    "20 key 38\n60 key 38\n100 key 38\n"
    "320 key 38\n360 key 38\n409 key 38\n"
    "620 key 38\n660 key 38\n718 key 38\n";
constexpr int kTicks = 900;
// Box kinds and the frog's box kill states.
constexpr int kFirstBoxKind = KIND_BOX_HAMMER;
constexpr int kLastBoxKind = KIND_BOX_BOMB;
constexpr int kFirstBoxKill = FS_KILL_BOX_BOMB;
constexpr int kLastBoxKill = FS_KILL_BOX_RED_BUTTON;

using PlayBoxTest = ScenarioTest;

int FrogState(const ScenarioResult& r, int tick) {
    const std::string frog = FieldAt(r, tick, "frog");
    const std::string key = "{\"state\":";
    return frog.rfind(key, 0) == 0 ? std::stoi(frog.substr(key.size())) : -1;
}

TEST_F(PlayBoxTest, ABoxKillOfTheFrogOnThatVeryBoxEndsAndTheNextLifeBegins) {
    const PlayData data({{"numFrogLifes", "9"},
                         {"areaType00", "2"},
                         {"relFrequBoxPerCent_A00_F00", "100"},
                         {"trackSpeed_00_00", "40.0"},
                         {"trackSpeed_00_01", "30.0"},
                         {"MinSpawnInterval_00_00", "0.1"},
                         {"MaxSpawnInterval_00_00", "0.2"},
                         {"MinSpawnInterval_00_01", "0.1"},
                         {"MaxSpawnInterval_00_01", "0.2"}});
    const ScenarioResult r = data.Run(kThreeLives, kTicks);
    ASSERT_EQ(r.exitStatus, 0) << r.errors;

    // Every box kill of the run: the frog's kill state, whatever it stood on.
    int killsOnABox = 0;
    int killsElsewhere = 0;
    for (int tick = 2; tick <= kTicks; ++tick) {
        const int state = FrogState(r, tick);
        const bool started = state >= kFirstBoxKill && state <= kLastBoxKill && FrogState(r, tick - 1) != state;
        if (!started) continue;
        const int carrier = r.IntAt(tick, "carrier");
        const bool onABox = carrier >= kFirstBoxKind && carrier <= kLastBoxKind;
        ++(onABox ? killsOnABox : killsElsewhere);
        // The death ends, the life is taken, and the next frog plays.
        const int afterDeath = FirstTickWith(r, "state", kStateAfterDeath, tick);
        ASSERT_GT(afterDeath, tick) << "the box kill from tick " << tick << " never ended: " << r.states[tick - 1];
        EXPECT_LT(afterDeath - tick, 150) << "tick " << tick;
        const int nextLife = FirstTickWith(r, "state", kStatePlaying, afterDeath);
        ASSERT_GT(nextLife, afterDeath) << "tick " << tick;
        EXPECT_EQ(r.IntAt(nextLife, "lives"), r.IntAt(tick, "lives") - 1) << "tick " << tick;
        EXPECT_EQ(FrogState(r, nextLife), FS_IDLE) << "tick " << tick;
    }
    EXPECT_EQ(killsElsewhere, 1) << "the frog on its trunk";
    EXPECT_EQ(killsOnABox, 1) << "the frog on the box that struck it";
}

}  // namespace
