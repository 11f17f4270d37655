// UpdateAreas for a full level — every track of the level's areas held at its maximum number of
// objects — against the 20 ms frame budget. Two figures: the world's own work (no sprites), and,
// when a generated data folder is given, the same frames drawn through the sprite catalogue into a
// headless 16-bit display. A frame draws what the view shows, so the view is swept over the whole
// level, bottom to top, once per round: across a round every object of the level is drawn. Processor time of
// the thread; each figure is the median of several rounds with the lowest and highest beside it.
//
//   bench_world_areas [DATA_DIR]   (default: the source tree's data folder, logic only)

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "settings/SettingsManager.h"
#include "core/Randomizer.h"
#include "files/FileLoader.h"
#include "gfx/DirectDraw.h"
#include "gfx/SpriteManager.h"
#include "world/GameSprites.h"
#include "world/objects/TrackObject.h"
#include "world/objects/TrackObjectFactory.h"
#include "platform/Headless.h"
#include "world/Area.h"
#include "world/GameContext.h"
#include "world/ObjectTrack.h"
#include "world/World.h"

namespace {

// Processor time of this thread, so that other work on the machine does not count.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

constexpr double kFrameBudget = 0.020;
constexpr float kFrameStep = 0.02f;
constexpr int kRounds = 10;
constexpr int kFramesPerRound = 50;
constexpr float kViewHeight = 600.0f;

class BenchContext final : public GameContext {
public:
    explicit BenchContext(bool draw) : draw_(draw), world_(*this) {}
    FloatPoint GetScrollPosition() const override { return scroll_; }
    void SetScroll(float y) { scroll_ = {0.0f, y}; }
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
    FloatPoint scroll_{};
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

struct Figure {
    double median = 0, low = 0, high = 0;  // seconds per frame
    double onScreen = 0;                   // objects within the view per frame, on average
};

// Objects whose centre lies within the view.
int ObjectsNear(World& world, float scrollY) {
    int count = 0;
    for (const auto& area : world.GetAreas()) {
        for (const auto& track : area->GetTracks()) {
            for (const auto& object : track->GetObjects()) {
                const float y = object->GetY() - scrollY;
                count += y >= 0.0f && y < kViewHeight ? 1 : 0;
            }
        }
    }
    return count;
}

Figure SecondsPerFrame(bool draw, int& objects) {
    BenchContext game(draw);
    World& world = game.GetWorld();
    world.GetLevelInfo().LoadLevelSettings();
    TrackObjectFactory::Instance().LoadFrequencies();
    world.CreateGrid();
    world.BuildAreas();
    Randomizer::Instance().Seed(1);
    objects = Fill(world);
    const int maxScroll = world.GetScroller().MaxScrollY();
    // First use builds the sprites, at every height.
    for (int i = 0; i < kFramesPerRound; ++i) {
        game.SetScroll(static_cast<float>(maxScroll - maxScroll * i / (kFramesPerRound - 1)));
        world.UpdateAreas(kFrameStep, true);
    }
    std::vector<double> rounds;
    long near = 0;
    for (int round = 0; round < kRounds; ++round) {
        double spent = 0.0;
        for (int i = 0; i < kFramesPerRound; ++i) {
            Fill(world);
            const float scrollY = static_cast<float>(maxScroll - maxScroll * i / (kFramesPerRound - 1));
            game.SetScroll(scrollY);
            near += ObjectsNear(world, scrollY);
            const double start = CpuSeconds();
            world.UpdateAreas(kFrameStep, true);
            spent += CpuSeconds() - start;
        }
        rounds.push_back(spent / kFramesPerRound);
    }
    std::sort(rounds.begin(), rounds.end());
    return {rounds[rounds.size() / 2], rounds.front(), rounds.back(),
            static_cast<double>(near) / (kRounds * kFramesPerRound)};
}

void Print(const char* what, int objects, const Figure& f) {
    std::printf(
        "UpdateAreas, whole level (%d objects, view swept bottom to top, %.0f in the view per frame), %s: "
        "%.1f us (%.1f … %.1f) = %.2f %% of the 20 ms frame budget\n",
        objects, f.onScreen, what, f.median * 1e6, f.low * 1e6, f.high * 1e6, 100.0 * f.median / kFrameBudget);
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
    const Figure logic = SecondsPerFrame(false, objects);
    Print("world logic", objects, logic);
    if (withData) {
        platform::SetHeadless(true);
        if (!DirectDraw::Instance().Init(nullptr, 800, 600, 16, true) ||
            !RegisterGameSprites(SpriteManager::Instance())) {
            std::fprintf(stderr, "world_areas: no display or sprites for the drawing figure\n");
            return 1;
        }
        const Figure drawn = SecondsPerFrame(true, objects);
        Print("every object in view drawn", objects, drawn);
        SpriteManager::Instance().ReleaseAll();
        DirectDraw::Instance().Release();
    }
    return 0;
}
