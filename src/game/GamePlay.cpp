#include "game/Game.h"

#include <algorithm>

#include "settings/SettingsManager.h"
#include "game/AmbientVolume.h"
#include "game/GameScore.h"
#include "game/ScreenMessage.h"
#include "gfx/DirectDraw.h"
#include "world/objects/Insect.h"
#include "sound/SoundHelpers.h"
#include "world/Area.h"
#include "world/Frog.h"
#include "world/FrogCollisions.h"
#include "world/FrogState.h"
#include "world/World.h"

namespace {

constexpr int kUndergroundAreaType = 0;

constexpr int kCountDownSeconds = 10;
constexpr float kGameOverSeconds = 2.0f;
constexpr float kShowDownSeconds = 15.0f;

bool IsInGoal(int frogState) { return frogState == FS_FINISH || frogState == FS_IN_GOAL; }

}  // namespace

void Game::StartLevel() {
    World& world = GetWorld();
    if (!frog_) {
        frog_ = std::make_unique<Frog>();
        frog_->SetContext(this);
    }
    world.GetScroller().SetAcceleration(scrollAccelerationPPS_);
    world.CreateGrid();
    world.LoadBackground();
    world.BuildAreas();
    world.PlaceGoalAndObjects();
    frog_->Restart();
    ResetInsects();
    world.LoadTopLayers();
    world.GetScroller().ResetScrollTarget();
    DirectDraw::Instance().StartTransition(true);
    // The tracks start filled with traffic; no frame is shown meanwhile.
    world.PreRun();
    const LevelInfo& level = world.GetLevelInfo();
    overlays_.AnnounceLevel(level.levelIndex + 1, level.numFrogsToGoal);
}

void Game::UpdateLevelTime(float dt) {
    LevelInfo& level = world_->GetLevelInfo();
    const float old = level.timeLeftSeconds;
    if (!frog_ || !IsInGoal(frog_->GetState())) level.timeLeftSeconds -= dt;
    // One tick per whole second of the last ten; none when the time crosses 0.
    const int oldWhole = static_cast<int>(old);
    const int newWhole = static_cast<int>(level.timeLeftSeconds);
    if (newWhole < oldWhole && newWhole < kCountDownSeconds) PlaySfx("SOUND_COUNT_DOWN");
}

bool Game::FrogDrawnUnderTraffic() const { return frog_ && world_ && world_->DrawsFrogUnderTraffic(*frog_); }

bool Game::StepScene(float dt, const SceneStep& step) {
    bool goalReached = false;
    if (world_ && frog_) {
        Scroller& scroller = world_->GetScroller();
        if (step.scroll) {
            scroller.FollowFrog(frog_->GetVisiblePosition());
            scroller.UpdateScroll(dt);
        }
        world_->UpdateBackground(step.moveBackground ? dt : 0.0f);
        // Road traffic passes over a frog on the road; on the river the frog rides on top. A frog
        // that is only drawn goes over the areas wherever it stands.
        const bool frogFirst = step.stepFrog && FrogDrawnUnderTraffic();
        if (frogFirst) frog_->Update(dt);
        world_->UpdateAreas(dt, step.forceMove);
        if (!step.stepFrog) {
            frog_->Redraw();
        } else if (!frogFirst) {
            frog_->Update(dt);
        }
        if (step.checkCollisions && CheckFrogCollisions(*frog_, *world_, *this)) return true;
        world_->DrawTopLayer();
        goalReached = step.checkGoal && CheckGoal();
        UpdateInsects(dt);
    }
    GameScore::Instance().Update(dt);
    DrawHud(dt, step.blinkLastLife, goalReached);
    UpdateSounds(step.menuSounds);
    return false;
}

bool Game::CheckGoal() {
    if (!frog_ || !world_->IsWithinGoalDistance({frog_->GetX(), frog_->GetY()}, inGoalDistance_)) return false;
    LevelInfo& level = world_->GetLevelInfo();
    const int frogState = frog_->GetState();
    if (frogState == FS_IDLE) {
        --level.frogsLeftToGoal;
        const IntPoint frog = frog_->GetRoundedPosition();
        const FloatPoint scroll = world_->GetScroller().GetPosition();
        GameScore::Instance().AddTimeBonus(level.timeLeftSeconds, frog.x - VisualObject::Round(scroll.x),
                                           frog.y - VisualObject::Round(scroll.y));
        if (level.frogsLeftToGoal == 0) {
            GameScore::Instance().AddLevelDone();
            const ScreenMessage::Texts& texts = ScreenMessage::Instance().Fixed();
            ScreenMessage::Instance().Show(texts.levelDone1, texts.levelDone2);
        }
        frog_->SetState(FS_FINISH);
    } else if (frogState == FS_IN_GOAL) {
        if (level.frogsLeftToGoal == 0) {
            if (level.NextLevel()) {
                StartLevel();
            } else {
                // The failed NextLevel already left the index one past the last level, where
                // the closing scene's start cell is configured.
                SetState(kStateFinalScroll);
                PrepareFinalScroll();
            }
        } else {
            frog_->Restart();
            world_->ApplyFrogSpeedFactor();
            world_->GetScroller().ResetScrollTarget();
        }
    }
    return true;
}

void Game::PrepareFinalScroll() {
    world_->LoadBackground();
    Scroller& scroller = world_->GetScroller();
    const IntPoint target = scroller.GetTarget();
    scroller.SetScrollTarget(0, std::clamp(target.y, 0, scroller.MaxScrollY()));
    frog_->Restart();
    world_->ClearLevel();
    insects_.clear();
    scroller.ResetScrollTarget();
    DirectDraw::Instance().StartTransition(true);
}

void Game::UpdatePlaying(float dt) {
    if (!world_ || !frog_) return;
    UpdateLevelTime(dt);
    if (world_->GetLevelInfo().frogLifes <= 0) {
        SetState(kStateGameOver);
        return;
    }
    if (StepScene(dt, {.forceMove = true, .checkCollisions = true, .checkGoal = true})) SetState(kStateFrogDying);
}

void Game::UpdateFinalScroll(float dt) {
    StopIdleSound();
    if (!world_ || !frog_) return;
    finalScrollTimer_ += dt;
    Scroller& scroller = world_->GetScroller();
    scroller.UpdateScroll(dt);
    world_->UpdateBackground(dt);
    if (finalScrollTimer_ < waitBeforeScrollUpEndLevel_) {
        // Held idle and only drawn: an idle step would restart its croak every frame.
        frog_->SetState(FS_IDLE);
        frog_->Redraw();
    } else {
        SettingsManager& settings = SettingsManager::Instance();
        scroller.ScrollToTop();
        frog_->SetPosition(static_cast<float>(settings.GetInt("frogPosShowDownPixX")),
                           static_cast<float>(settings.GetInt("frogPosShowDownPixY")));
        frog_->SetState(FS_SHOW_DOWN_WAIT);
        SetState(kStateFinalShowDown);
    }
    GameScore::Instance().Update(dt);
    DrawHud(dt, false, false);
    UpdateSounds(false);
}

void Game::UpdateFrogDying(float dt) {
    if (!world_ || !frog_) return;
    if (frog_->IsAnimationDone()) {
        PlaySfx(world_->GetLevelInfo().frogLifes != 1 ? "SOUND_LOSE_LIFE" : "SOUND_GAME_OVER");
        SetState(kStateAfterDeath);
        return;
    }
    StepScene(dt, {.blinkLastLife = true});
}

void Game::UpdateAfterDeath(float dt) {
    if (!world_ || !frog_) return;
    deathWaitTimer_ += dt;
    if (deathWaitTimer_ >= waitAfterFrogDeathInterval_) {
        SetState(kStatePlaying);
        --world_->GetLevelInfo().frogLifes;
        frog_->Restart();
        deathWaitTimer_ = 0.0f;
    }
    // The background stands still while the next frog is awaited.
    StepScene(dt, {.moveBackground = false, .blinkLastLife = true});
}

void Game::UpdatePaused(float) {
    StopIdleSound();
    // The frozen scene, drawn where everything stood. The frog is only drawn: its idle step
    // would take queued moves, catch insects and restart its croak.
    StepScene(0.0f, {.scroll = false, .forceMove = true, .stepFrog = false, .menuSounds = true});
}

void Game::UpdateGameOver(float dt) {
    StopIdleSound();
    gameOverTimer_ += dt;
    if (gameOverTimer_ >= kGameOverSeconds) {
        gameOverTimer_ = 0.0f;
        SetState(kStateHighScoreSubmit);
    }
    if (world_) {
        world_->UpdateBackground(dt);
        world_->UpdateAreas(dt, true);
    }
    DrawHud(dt, true, false);
    UpdateSounds(false);
}

void Game::UpdateFinalShowDown(float dt) {
    StopIdleSound();
    showDownTimer_ += dt;
    if (world_) {
        world_->GetScroller().UpdateScroll(dt);
        world_->UpdateBackground(dt);
    }
    if (frog_) frog_->Update(dt);
    GameScore::Instance().Update(dt);
    DrawHud(dt, false, false);
    if (showDownTimer_ >= kShowDownSeconds) SetState(kStateHighScoreSubmit);
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
            levels.river = std::max(levels.river, AmbientVolume::River(distance));
        } else {
            const float distance =
                area->DistanceToNearestObject(static_cast<float>(position.x), static_cast<float>(position.y));
            const float v = AmbientVolume::Road(distance);
            levels.road = std::max(levels.road, v);
            if (area->GetType() == kUndergroundAreaType) levels.underground = std::max(levels.underground, v);
        }
    }
    for (const auto& insect : insects_) {
        const IntPoint p = insect->GetRoundedPosition();
        const float dx = static_cast<float>(p.x) - frog_->GetX();
        const float dy = static_cast<float>(p.y) - frog_->GetY();
        levels.insects = std::max(levels.insects, AmbientVolume::Insect(dx * dx + dy * dy));
    }
    return levels;
}
