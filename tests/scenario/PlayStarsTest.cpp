#include <gtest/gtest.h>

#include <string>

#include "PlayScenario.h"
#include "world/objects/ObjectKinds.h"

namespace {

// Level 0 with only trucks on the first road, one star a bonus life and one bonus life in the
// game: the frog boards a truck from below (its star earns the bonus life), hops down off it,
// and boards the next truck (its star, with no bonus life left, earns the star bonus).
constexpr const char* kBoardTwoTrucks =
    "2 key 83\n20 key 38\n"
    "40 key 38\n46 key 38\n52 key 38\n58 key 38\n64 key 38\n70 key 38\n76 key 38\n82 key 38\n88 key 38\n"
    "94 key 38\n100 key 38\n"
    "125 key 40\n"
    "150 key 38\n156 key 38\n162 key 38\n";
constexpr int kTicks = 200;
constexpr int kFirstTruckKind = KIND_TRUCK_GARBAGE;
constexpr int kLastTruckKind = KIND_TRUCK_CEMENT_MIXER;

using PlayStarsTest = ScenarioTest;

int FirstTickWithMessage(const ScenarioResult& r, const std::string& message) {
    for (int tick = 1; tick <= static_cast<int>(r.states.size()); ++tick) {
        if (FieldAt(r, tick, "message") == message) return tick;
    }
    return 0;
}

bool RidesATruck(const ScenarioResult& r, int tick) {
    const int carrier = r.IntAt(tick, "carrier");
    return carrier >= kFirstTruckKind && carrier <= kLastTruckKind;
}

TEST_F(PlayStarsTest, StarsOfBoardedTrucksEarnABonusLifeAndThenTheStarBonus) {
    const PlayData data({{"numFrogLifes", "4"},
                         {"relFrequTruckPerCent_A00_F00", "100"},
                         {"numStarsForBonusLife", "1"},
                         {"maxNumBonusLifes", "1"},
                         {"starScore", "50"},
                         {"starScoreBonus", "500"}});
    const ScenarioResult r = data.Run(kBoardTwoTrucks, kTicks);
    ASSERT_EQ(r.exitStatus, 0) << r.errors;
    for (int tick = 2; tick <= kTicks; ++tick) ASSERT_EQ(r.IntAt(tick, "state"), kStatePlaying) << "tick " << tick;
    EXPECT_EQ(r.IntAt(2, "lives"), 4);
    EXPECT_EQ(r.IntAt(2, "bonusLeft"), 1);

    const int bonusLife = FirstTickWithMessage(r, "[\"Bonus Leben!\",\"\"]");
    ASSERT_GT(bonusLife, 0) << "the first truck was never boarded";
    EXPECT_TRUE(RidesATruck(r, bonusLife));
    EXPECT_TRUE(r.SoundStartedAt(bonusLife, "SOUND_FROG_PICK_STAR"));
    EXPECT_TRUE(r.SoundStartedAt(bonusLife, "SOUND_BONUS_LIFE"));
    EXPECT_EQ(r.IntAt(bonusLife, "lives"), 5);
    EXPECT_EQ(r.IntAt(bonusLife, "bonusLeft"), 0);
    EXPECT_EQ(r.IntAt(bonusLife, "score") - r.IntAt(bonusLife - 1, "score"), 50) << "the star's own points";

    const int starBonus = FirstTickWithMessage(r, "[\"Stern Bonus!\",\"500 Punkte!\"]");
    ASSERT_GT(starBonus, bonusLife) << "the second truck was never boarded";
    EXPECT_TRUE(RidesATruck(r, starBonus));
    EXPECT_TRUE(r.SoundStartedAt(starBonus, "SOUND_FROG_PICK_STAR"));
    EXPECT_EQ(r.IntAt(starBonus, "lives"), 5) << "no bonus life is left to give";
    EXPECT_EQ(r.IntAt(starBonus, "score") - r.IntAt(starBonus - 1, "score"), 50 + 500);
    EXPECT_EQ(r.IntAt(starBonus, "stars"), 0) << "the set of stars starts again";
}

}  // namespace
