// UpdateAreas for a full level — every track of the visible areas held at its maximum number of
// objects — against the 20 ms frame budget. Two figures: the world's own work (no sprites), and,
// when a generated data folder is given, the same frame drawing every object through the sprite
// catalogue into a headless 16-bit display. Times are the best of several rounds.
//
//   bench_world_areas [DATA_DIR]   (default: the source tree's data folder, logic only)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "settings/SettingsManager.h"
#include "core/Randomizer.h"
#include "files/FileLoader.h"
#include "gfx/DirectDraw.h"
#include "gfx/SpriteManager.h"
#include "gfx/SpriteRegistry.h"
#include "world/objects/TrackObject.h"
#include "world/objects/TrackObjectFactory.h"
#include "platform/Headless.h"
#include "world/Area.h"
#include "world/GameContext.h"
#include "world/ObjectTrack.h"
#include "world/World.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kFrameBudget = 0.020;
constexpr float kFrameStep = 0.02f;
constexpr int kRounds = 10;
constexpr int kFramesPerRound = 50;

class BenchContext final : public GameContext {
public:
    explicit BenchContext(bool draw) : draw_(draw), world_(*this) {}
    FloatPoint GetScrollPosition() const override { return {}; }
    Frog* GetFrog() override { return nullptr; }
    World& GetWorld() override { return world_; }
    GameState GetGameState() const override { return kStatePlaying; }
    bool ShadowsOn() const override { return true; }
    Sprite* GetSprite(std::string_view key, bool mirrored) override {
        return draw_ ? SpriteManager::Instance().GetSprite(std::string(key), mirrored) : nullptr;
    }
    void PlaySound(std::string_view) override {}
    void StartFrogDying() override {}
    void ResetScrollTarget() override {}
    void AddStar(const VisualObject&) override {}

private:
    bool draw_;
    World world_;
};

// Tops every track up to its maximum, spread across the screen; returns the object count.
int Fill(World& world) {
    int count = 0;
    for (const auto& area : world.GetAreas()) {
        for (const auto& track : area->GetTracks()) {
            while (static_cast<int>(track->GetObjects().size()) < track->GetMaxObjects()) {
                auto object = area->IsRiver() ? TrackObjectFactory::Instance().CreateRiverObject(*track)
                                              : TrackObjectFactory::Instance().CreateRoadObject(*track);
                track->AddObject(std::move(object), true);
            }
            count += static_cast<int>(track->GetObjects().size());
        }
    }
    return count;
}

double SecondsPerFrame(bool draw, int& objects) {
    BenchContext game(draw);
    World& world = game.GetWorld();
    world.GetLevelInfo().LoadLevelSettings();
    TrackObjectFactory::Instance().LoadFrequencies();
    world.CreateGrid();
    world.BuildAreas();
    Randomizer::Instance().Seed(1);
    objects = Fill(world);
    world.UpdateAreas(kFrameStep, true);  // first use builds the sprites
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        double spent = 0.0;
        for (int i = 0; i < kFramesPerRound; ++i) {
            Fill(world);
            const auto start = Clock::now();
            world.UpdateAreas(kFrameStep, true);
            spent += std::chrono::duration<double>(Clock::now() - start).count();
        }
        best = std::min(best, spent / kFramesPerRound);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const bool withData = argc > 1;
    const std::string dataDir =
        withData ? argv[1] : (std::filesystem::path(__FILE__).parent_path().parent_path() / "data").string();
    FileLoader::SetDataRoot(dataDir);
    if (!SettingsManager::Instance().Load("data\\config.txt")) {
        std::fprintf(stderr, "world_areas: no config.txt in %s\n", dataDir.c_str());
        return 1;
    }
    int objects = 0;
    const double logic = SecondsPerFrame(false, objects);
    std::printf("UpdateAreas, full level (%d objects), world logic: %.2f %% of the 20 ms frame budget (%.1f us)\n",
                objects, 100.0 * logic / kFrameBudget, logic * 1e6);
    if (withData) {
        platform::SetHeadless(true);
        if (!DirectDraw::Instance().Init(nullptr, 800, 600, 16, true) ||
            !RegisterAllSprites(SpriteManager::Instance())) {
            std::fprintf(stderr, "world_areas: no display or sprites for the drawing figure\n");
            return 1;
        }
        const double drawn = SecondsPerFrame(true, objects);
        std::printf(
            "UpdateAreas, full level (%d objects), with every object drawn: %.2f %% of the 20 ms frame budget (%.1f "
            "us)\n",
            objects, 100.0 * drawn / kFrameBudget, drawn * 1e6);
        SpriteManager::Instance().ReleaseAll();
        DirectDraw::Instance().Release();
    }
    return 0;
}
