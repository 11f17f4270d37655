#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "core/Randomizer.h"
#include "core/StringUtil.h"
#include "world/BlockInfo.h"
#include "world/World.h"
#include "world/objects/WaterLilyGoal.h"
#include "WorldTestSupport.h"

using worldtest::TestContext;
using worldtest::UseConfig;
using worldtest::WriteDataFile;

namespace {

constexpr int kLevels = 5;

std::string ShippedLevelFile(int level) {
    std::ifstream in(std::string(RJ_SOURCE_DIR) + StringFormat("/data/ArbitraryObjects_00_%02d.txt", level),
                     std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The shipped file missing, empty, cut in half, or as random bytes of the same length.
enum class Damage { Missing, Empty, Half, Random };

std::string Damaged(const std::string& text, Damage damage, uint32_t seed) {
    switch (damage) {
    case Damage::Missing:
    case Damage::Empty: return {};
    case Damage::Half: return text.substr(0, text.size() / 2);
    case Damage::Random: {
        std::string bytes(text.size() + 64, '\0');
        uint32_t state = seed * 2654435761u + 1;
        for (char& c : bytes) {
            state = state * 1664525u + 1013904223u;
            c = static_cast<char>(state >> 24);
        }
        return bytes;
    }
    }
    return text;
}

}  // namespace

// Every level starts with its objects file damaged in each way: the goal stands, the pre-run and a
// few seconds of traffic run, and nothing crashes or hangs. What a file says wrong is named.
TEST(LevelFileFaultTest, EveryLevelStartsWithItsFileDamaged) {
    for (int level = 0; level < kLevels; ++level) {
        const std::string shipped = ShippedLevelFile(level);
        ASSERT_FALSE(shipped.empty()) << "level " << level;
        const std::string name = StringFormat("ArbitraryObjects_00_%02d.txt", level);
        for (Damage damage : {Damage::Missing, Damage::Empty, Damage::Half, Damage::Random}) {
            const std::string what = name + " damage " + std::to_string(static_cast<int>(damage));
            UseConfig({{"initInterval", "3.0"}});
            for (int l = 0; l < kLevels; ++l)
                worldtest::RemoveDataFile(StringFormat("ArbitraryObjects_00_%02d.txt", l));
            if (damage != Damage::Missing) WriteDataFile(name, Damaged(shipped, damage, static_cast<uint32_t>(level)));
            BlockInfo::Instance().ClearBlockers();
            Randomizer::Instance().Seed(static_cast<uint32_t>(level) + 1);
            TestContext game;
            game.BuildLevel(level);
            testing::internal::CaptureStderr();
            game.world.PlaceGoalAndObjects();
            game.world.PreRun();
            for (int frame = 0; frame < 150; ++frame) game.world.UpdateAreas(0.02f, false);
            const std::string err = testing::internal::GetCapturedStderr();
            EXPECT_NE(game.world.GetGoal(), nullptr) << what;
            if (damage == Damage::Random) {
                EXPECT_NE(err.find(name), std::string::npos) << what << ": " << err;
            }
            worldtest::RemoveDataFile(name);
        }
    }
    BlockInfo::Instance().ClearBlockers();
}
