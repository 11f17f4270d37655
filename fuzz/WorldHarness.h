#pragma once

// Builds every level of the loaded settings as the game starts a level (grid, areas, goal and
// placed objects, top layers, traffic pre-run) and runs a few seconds of traffic, with a game
// that hands out a stand-in sprite for every name.

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "gfx/Sprite.h"
#include "world/Frog.h"
#include "world/FrogState.h"
#include "world/GameContext.h"
#include "world/World.h"

namespace fuzz {

class StandInSprite final : public Sprite {
public:
    int GetFrameCount() const override { return 1; }
    using Sprite::Draw;
    void Draw(const DrawParams&) override {}
    int GetWidth() const override { return 40; }
    int GetHeight() const override { return 30; }
    void Restore() override {}
};

class WorldGame final : public GameContext {
public:
    WorldGame() : world_(*this) {}

    FloatPoint GetScrollPosition() const override { return world_.GetScroller().GetPosition(); }
    Frog* GetFrog() override { return nullptr; }
    World& GetWorld() override { return world_; }
    GameState GetGameState() const override { return kStatePlaying; }
    bool ShadowsOn() const override { return true; }
    Sprite* GetSprite(std::string_view, bool) override { return &sprite_; }
    void PlaySound(std::string_view) override {}
    void StartFrogDying() override {}
    void ResetScrollTarget() override {}
    void AddStar(const VisualObject&) override {}

    // Every level of world 0, each with `seconds` of traffic at the game's step, after the
    // level start's pre-run when `preRun` is set.
    void PlayLevels(float seconds, bool preRun) {
        LevelInfo& level = world_.GetLevelInfo();
        if (!level.LoadLevelSettings()) return;
        for (int levels = 0; levels <= LevelInfo::kLastLevelIndex + 1; ++levels) {
            if (world_.CreateGrid()) {
                world_.BuildAreas();
                world_.PlaceGoalAndObjects();
                world_.LoadTopLayers();
                world_.GetScroller().SetAcceleration(2000.0f);
                world_.GetScroller().ResetScrollTarget();
                world_.GetScroller().ScrollToTop();
                if (preRun) world_.PreRun();
                for (float t = 0.0f; t < seconds; t += kStep) {
                    world_.GetScroller().UpdateScroll(kStep);
                    world_.UpdateAreas(kStep, false);
                    world_.DrawTopLayer();
                    world_.FindTrackObjectAt(400, 300);
                }
                world_.DescribeTracks();
            }
            if (!level.NextLevel()) break;
        }
        world_.ClearLevel();
    }

private:
    static constexpr float kStep = 0.02f;
    StandInSprite sprite_;
    World world_;
};

// The shipped settings text of the source tree.
inline const std::string& ShippedConfig() {
    static const std::string text = [] {
        std::ifstream in(std::string(RJ_SOURCE_DIR) + "/data/config.txt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    return text;
}

}  // namespace fuzz
