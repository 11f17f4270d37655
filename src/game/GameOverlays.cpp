#include "game/Game.h"

#include <vector>

#include "game/GameScore.h"
#include "game/TruckWarning.h"
#include "gfx/DirectDraw.h"
#include "platform/Clock.h"
#include "sound/SoundHelpers.h"
#include "world/Frog.h"
#include "world/World.h"
#include "world/objects/Truck.h"

namespace {

bool IsPausable(int state) { return state == kStatePlaying || state == kStateFrogDying || state == kStateAfterDeath; }

}  // namespace

void Game::PauseForLostFocus() {
    // A demo is not paused: it just waits while the window has no focus (a replay brings its
    // own recorded pauses).
    if (!IsPausable(state_) || (demo_ && !injecting_)) return;
    if (recording_) recording_->AddEvent(Replay::Event::Kind::FocusLost, 0);
    savedState_ = state_;
    SetState(kStatePaused);
}

void Game::DrawOverlays(float dt) {
    const DirectDraw& display = DirectDraw::Instance();
    PlayOverlays::Frame frame;
    frame.state = state_;
    frame.screenWidth = display.GetWidth();
    frame.screenHeight = display.GetHeight();
    frame.nowMs = platform::TimeGetTime();
    frame.dt = dt;
    if (world_) frame.frogLifes = world_->GetLevelInfo().frogLifes;

    // The ride on a truck's back: the warning stands over the frog in its last moments.
    const auto* truck = frog_ && state_ == kStatePlaying ? dynamic_cast<const Truck*>(frog_->GetCarrier()) : nullptr;
    if (truck && truck->IsFrogAboard() && truck->GetState() != Truck::kStateKilling) {
        if (const auto left = TruckWarning::Remaining(truck->GetKillInterval(), truck->GetKillTimer())) {
            const IntPoint frog = frog_->GetVisiblePosition();
            const FloatPoint scroll = GetScrollPosition();
            frame.truckWarningAt = {{frog.x - VisualObject::Round(scroll.x),
                                     frame.screenHeight - (frog.y - VisualObject::Round(scroll.y))}};
            frame.truckWarningLeft = *left;
        }
    }

    const GameScore& score = GameScore::Instance();
    const GameScore::Tally& tally = score.GetTally();
    frame.tally = {tally.frogsHome, tally.insectsEaten, tally.starsPicked, tally.timeBonus, score.Score()};

    std::vector<const char*> sounds;
    overlays_.Draw(frame, sounds);
    for (const char* sound : sounds) PlaySfx(sound);
}
