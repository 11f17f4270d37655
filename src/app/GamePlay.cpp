#include "app/Game.h"

#include <algorithm>
#include <cstdlib>

#include "game/GameScore.h"
#include "gfx/DirectDraw.h"
#include "world/Area.h"
#include "world/Frog.h"
#include "world/World.h"

namespace {

// Ambient loudness: the river loop fades over rows, traffic over world units.
constexpr float kRiverFadeRows = 40.0f;
constexpr float kRoadFadeUnits = 3000.0f;
constexpr int kUndergroundAreaType = 0;

}  // namespace

void Game::StartLevel() {
    World& world = GetWorld();
    world.GetScroller().SetAcceleration(scrollAccelerationPPS_);
    world.CreateGrid();
    world.BuildAreas();
    world.PlaceGoalAndObjects();
    world.LoadTopLayers();
    world.GetScroller().ResetScrollTarget();
    DirectDraw::Instance().StartTransition(true);
    world.PreRun();
}

void Game::UpdateScene(float dt, bool forceMove) {
    if (!world_) return;
    Scroller& scroller = world_->GetScroller();
    if (frog_) scroller.FollowFrog(frog_->GetVisiblePosition());
    scroller.UpdateScroll(dt);
    world_->UpdateAreas(dt, forceMove);
    if (frog_) {
        frog_->Update(dt);
        frog_->Draw(dt, false);
    }
    world_->DrawTopLayer();
}

void Game::UpdatePlaying(float dt) {
    if (world_ && world_->GetLevelInfo().frogLifes <= 0) {
        SetState(kStateGameOver);
        return;
    }
    UpdateScene(dt, true);
    GameScore::Instance().Update(dt);
    UpdateSounds(false);
}

void Game::UpdateFinalScroll(float dt) {
    StopIdleSound();
    finalScrollTimer_ += dt;
    if (world_) world_->GetScroller().UpdateScroll(dt);
    if (finalScrollTimer_ >= waitBeforeScrollUpEndLevel_) SetState(kStateFinalShowDown);
    GameScore::Instance().Update(dt);
    UpdateSounds(false);
}

void Game::UpdateFrogDying(float dt) {
    UpdateScene(dt, false);
    GameScore::Instance().Update(dt);
    UpdateSounds(false);
}

void Game::UpdateAfterDeath(float dt) {
    deathWaitTimer_ += dt;
    if (deathWaitTimer_ >= waitAfterFrogDeathInterval_) {
        SetState(kStatePlaying);
        if (world_) --world_->GetLevelInfo().frogLifes;
        deathWaitTimer_ = 0.0f;
    }
    UpdateScene(dt, false);
    GameScore::Instance().Update(dt);
    UpdateSounds(false);
}

void Game::UpdatePaused(float) {
    StopIdleSound();
    // The frozen scene, drawn where everything stood.
    UpdateScene(0.0f, true);
    GameScore::Instance().Update(0.0f);
    UpdateSounds(true);
}

void Game::UpdateGameOver(float dt) {
    StopIdleSound();
    gameOverTimer_ += dt;
    if (gameOverTimer_ >= 2.0f) {
        gameOverTimer_ = 0.0f;
        SetState(kStateHighScoreSubmit);
    }
    if (world_) world_->UpdateAreas(dt, true);
    UpdateSounds(false);
}

void Game::UpdateFinalShowDown(float dt) {
    StopIdleSound();
    showDownTimer_ += dt;
    if (world_) world_->GetScroller().UpdateScroll(dt);
    GameScore::Instance().Update(dt);
    if (showDownTimer_ >= 15.0f) SetState(kStateHighScoreSubmit);
}

Game::AmbientLevels Game::ComputeAmbientLevels() const {
    AmbientLevels levels;
    if (!world_ || !frog_) return levels;
    const IntPoint position = frog_->GetRoundedPosition();
    const int row = world_->GetGrid().PositionToCell(position.x, position.y).y;
    for (const auto& area : world_->GetAreas()) {
        if (area->IsRiver()) {
            int distance = 0;
            if (row < area->GetFirstTrackRow()) distance = area->GetFirstTrackRow() - row;
            if (row > area->GetLastTrackRow()) distance = row - area->GetLastTrackRow();
            levels.river = std::max(levels.river, kRiverFadeRows / (static_cast<float>(distance) + kRiverFadeRows));
        } else {
            const float distance = area->DistanceToNearestObject(static_cast<float>(position.x),
                                                                 static_cast<float>(position.y));
            const float v = kRoadFadeUnits / (kRoadFadeUnits + distance);
            levels.road = std::max(levels.road, v);
            if (area->GetType() == kUndergroundAreaType) levels.underground = std::max(levels.underground, v);
        }
    }
    return levels;
}
