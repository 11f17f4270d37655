// The shipped lane settings in motion: every level of world 0 is built with the world code and
// its traffic run for a minute. A river lane that is ever empty on screen cannot be crossed, so
// each one must always carry something, from the first frame after the pre-run on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/SettingsManager.h"
#include "core/Randomizer.h"
#include "core/StringUtil.h"
#include "files/FileLoader.h"
#include "world/objects/TrackObject.h"
#include "world/objects/TrackObjectFactory.h"
#include "world/Area.h"
#include "world/ObjectTrack.h"
#include "world/WorldTestSupport.h"

namespace {

using ::testing::IsEmpty;

constexpr int kLevels = 5;
constexpr float kStep = 0.02f;
constexpr float kRunSeconds = 60.0f;
constexpr int kSampleEvery = 10;  // steps
constexpr int kScreenWidth = 800;
constexpr uint32_t kSeeds[] = {1, 77, 2024};

class TrafficTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        FileLoader::SetDataRoot(RJ_SOURCE_DIR "/data");
        FileLoader::Instance().Reinitialize();
        SettingsManager::Instance().Clear();
        ASSERT_TRUE(SettingsManager::Instance().Load(std::string(FileLoader::kDataFolder) + "config.txt"));
    }
    static void TearDownTestSuite() {
        SettingsManager::Instance().Clear();
        FileLoader::SetDataRoot(RJ_DATA_DIR);
        FileLoader::Instance().Reinitialize();
    }

    static int OnScreen(const ObjectTrack& track) {
        int n = 0;
        for (const auto& object : track.GetObjects()) {
            const float x = object->GetX();
            n += x >= 0 && x <= kScreenWidth ? 1 : 0;
        }
        return n;
    }
};

TEST_F(TrafficTest, RiverLanesAlwaysCarrySomethingToStandOn) {
    std::vector<std::string> problems;
    for (uint32_t seed : kSeeds) {
        for (int level = 0; level < kLevels; ++level) {
            Randomizer::Instance().Seed(seed);
            worldtest::TestContext game;
            game.MakeFrog(-1000.0f, -1000.0f);  // away from every lane, so all of them move
            TrackObjectFactory::Instance().LoadFrequencies();
            game.BuildLevel(level);
            game.world.PreRun();
            int step = 0;
            for (float t = 0; t < kRunSeconds; t += kStep, ++step) {
                game.world.UpdateAreas(kStep, true);
                if (step % kSampleEvery != 0) continue;
                for (const auto& area : game.world.GetAreas()) {
                    if (!area->IsRiver()) continue;
                    for (const auto& track : area->GetTracks()) {
                        if (OnScreen(*track) == 0) {
                            problems.push_back(StringFormat("seed %u, level %d: river row %d empty at %.1f s", seed,
                                                            level, track->GetRow(), t));
                        }
                    }
                }
                if (problems.size() > 20) break;
            }
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

}  // namespace
