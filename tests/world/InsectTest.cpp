#include <gtest/gtest.h>

#include "core/Randomizer.h"
#include "world/objects/Insect.h"
#include "world/objects/InsectFactory.h"
#include "WorldTestSupport.h"

using worldtest::TestContext;
using worldtest::UseConfig;

namespace {

// The small test world (20 × 11 cells of 40 × 75 units) with insects that fly at 100 units/s,
// never turn on their own and always attack when they may.
class InsectTest : public testing::Test {
protected:
    void SetUp() override {
        UseConfig({{"perCentChanceToChangeDirVert", "0"},
                   {"perCentChanceToChangeDirHorz", "0"},
                   {"perCentChancePierce", "100"},
                   {"maxPierceDist", "200"},
                   {"InsectMoveOffsetGlobalX", "0"},
                   {"InsectMoveOffsetGlobalY", "0"},
                   {"InsectMoveMinSpeed", "100"},
                   {"InsectMoveMaxSpeed", "100"},
                   {"shrinkInterval", "0.5"},
                   {"insectMaxApproachTime", "5"},
                   {"minNumInsects", "2"},
                   {"maxNumInsects", "5"},
                   {"insectSpawnChancePerCent", "30"},
                   {"insectSpawnInterval", "1.0"},
                   {"relFrequencyBigBug", "1"},
                   {"relFrequencyBusinessBug", "2"},
                   {"relFrequencyButterfly", "0"},
                   {"relFrequencyNewsBug", "0"},
                   {"relFrequencyTaxiBug", "0"},
                   {"relFrequencyToolBug", "0"},
                   {"relFrequencyVoyagerBug", "7"}});
        game.BuildLevel();
        game.AddSprite("INSECT_BIG_BUG_PIERCING", 20, 20, 0.5f);
    }
    Insect& Make(int kind, float x, float y, int state) {
        auto insect = std::make_unique<Insect>(game);
        insect->SetPosition(x, y);
        insect->Init(kind);
        insect->SetState(state);
        insects.push_back(std::move(insect));
        return *insects.back();
    }
    TestContext game;
    InsectList insects;
};

}  // namespace

TEST_F(InsectTest, KindsAreDrawnByTheirWeights) {
    Randomizer::Instance().Seed(11);
    int counts[8] = {};
    for (int i = 0; i < 10000; ++i) ++counts[InsectFactory::ChooseKind()];
    EXPECT_NEAR(counts[1], 1000, 150);
    EXPECT_NEAR(counts[2], 2000, 200);
    EXPECT_NEAR(counts[7], 7000, 250);
    EXPECT_EQ(counts[3] + counts[4] + counts[5] + counts[6], 0);
}

TEST_F(InsectTest, LeavingTheGridOrBeingSwallowedDeletesTheInsect) {
    Make(Insect::kVoyagerBug, 5.0f, 400.0f, Insect::kFlyLeft);
    Insect& eaten = Make(Insect::kVoyagerBug, 400.0f, 400.0f, Insect::kFlyRight);
    Frog& frog = game.MakeFrog(400.0f, 337.0f);
    frog.SetContext(&game);
    eaten.Catch(frog);
    EXPECT_TRUE(eaten.IsEaten());
    EXPECT_EQ(game.SoundCount("SOUND_FROG_EAT"), 1);
    InsectFactory::Instance().Reset();
    InsectFactory::Instance().UpdateInsects(0.1f, insects, game);
    EXPECT_EQ(insects.size(), 1u);  // the one past the left edge is gone in the same frame
    for (int i = 0; i < 3; ++i) InsectFactory::Instance().UpdateInsects(0.1f, insects, game);
    EXPECT_EQ(insects.size(), 1u);  // 0.4 of 0.5 s: still sliding into the mouth
    InsectFactory::Instance().UpdateInsects(0.2f, insects, game);
    EXPECT_TRUE(insects.empty());
}

TEST_F(InsectTest, APiercerIsNotEatenButAttacksAndPiercesAnIdleFrog) {
    Frog& frog = game.MakeFrog(400.0f, 337.0f);
    frog.SetContext(&game);
    Insect& bug = Make(Insect::kBigBug, 400.0f, 400.0f, Insect::kFlyLeft);
    bug.Catch(frog);
    EXPECT_FALSE(bug.IsEaten());
    EXPECT_EQ(bug.GetState(), Insect::kAttack);
    frog.SetState(FS_MOVE_UP);  // mid-jump: the bug waits on top of it
    for (int i = 0; i < 10; ++i) bug.Update(0.1f);
    EXPECT_EQ(bug.GetState(), Insect::kAttack);
    EXPECT_EQ(bug.GetRoundedPosition(), frog.GetRoundedPosition());
    frog.SetState(FS_IDLE);
    bug.Update(0.1f);
    EXPECT_EQ(bug.GetState(), Insect::kPiercing);
    EXPECT_EQ(frog.PendingCommand(), FS_PIERCED);
}

TEST_F(InsectTest, SpawnTicksKeepTheNumberBetweenMinimumAndMaximum) {
    InsectFactory& factory = InsectFactory::Instance();
    factory.Reset();
    factory.Update(0.5f, insects, game);
    EXPECT_TRUE(insects.empty());  // not before the interval
    factory.Update(0.5f, insects, game);
    EXPECT_EQ(insects.size(), 1u);  // below the minimum: always
    factory.Update(1.0f, insects, game);
    factory.Spawn(insects, game);
    ASSERT_EQ(insects.size(), 3u);  // from here on, by chance (30 %)
    Randomizer::Instance().Seed(5);
    int spawned = 0;
    for (int i = 0; i < 1000; ++i) {
        factory.Update(1.0f, insects, game);
        if (insects.size() == 4u) {
            ++spawned;
            insects.pop_back();
        }
    }
    EXPECT_NEAR(spawned, 300, 50);
    while (insects.size() < 5u) factory.Spawn(insects, game);
    factory.Update(1.0f, insects, game);
    EXPECT_EQ(insects.size(), 5u);  // the maximum stops spawning
    for (const auto& insect : insects) {
        const int x = insect->GetRoundedPosition().x;
        EXPECT_TRUE(x == 20 || x == 780) << x;  // the centre of the first or the last column
        EXPECT_EQ(insect->GetState(), x == 20 ? Insect::kFlyRight : Insect::kFlyLeft);
    }
}
