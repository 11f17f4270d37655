#include "game/PlayOverlays.h"

#include <string>

#include "world/GameState.h"
#include "game/PauseScreen.h"
#include "game/TruckWarning.h"

namespace {

// Player texts are Latin-1 bytes, as the fonts read them.
constexpr const char* kGameOverText = "Spiel vorbei";

// Both stand above the two message lines (y 236 and 276), which may still show "Level geschafft!"
// or "Deine Zeit ist abgelaufen!" under them.
constexpr Banner::Style kLevelStyle{2.2f, 100, 150, false};
constexpr Banner::Style kGameOverStyle{3.0f, 110, 120, true};

std::string FrogsLine(int frogs) {
    return frogs == 1 ? "Bring einen Frosch heim" : "Bring " + std::to_string(frogs) + " Fr\xF6sche heim";
}

bool IsLevelPlay(int state) { return state == kStatePlaying || state == kStateFrogDying || state == kStateAfterDeath; }

}  // namespace

PlayOverlays::PlayOverlays() : levelBanner_(kLevelStyle), gameOverBanner_(kGameOverStyle) {}

void PlayOverlays::NewGame() {
    levelBanner_.Hide();
    gameOverBanner_.Hide();
    tally_.Stop();
}

void PlayOverlays::AnnounceLevel(int levelNumber, int frogsToBringHome) {
    levelBanner_.Show("Level " + std::to_string(levelNumber), FrogsLine(frogsToBringHome), kLevelAnnounceSeconds);
}

bool PlayOverlays::GameOverShown(int state, int frogLifes) {
    return state == kStateGameOver || (state == kStateAfterDeath && frogLifes == 1) ||
           (state == kStatePlaying && frogLifes <= 0);
}

void PlayOverlays::Draw(const Frame& frame, std::vector<const char*>& sounds) {
    const int w = frame.screenWidth;
    const int h = frame.screenHeight;
    if (frame.state == kStatePaused) {
        // Everything stands; the pause covers it.
        PauseScreen::Draw(w, h, frame.nowMs);
        return;
    }
    if (IsLevelPlay(frame.state)) {
        levelBanner_.Update(frame.dt);
    } else {
        levelBanner_.Hide();
    }
    if (GameOverShown(frame.state, frame.frogLifes)) {
        if (!gameOverBanner_.IsShown()) gameOverBanner_.Show(kGameOverText, "", 0.0f);
        gameOverBanner_.Update(frame.dt);
    } else {
        gameOverBanner_.Hide();
    }
    if (frame.state == kStateFinalShowDown) {
        if (!tally_.IsStarted()) tally_.Start(frame.tally);
        tally_.Update(frame.dt, sounds);
    }

    if (frame.truckWarningAt) {
        TruckWarning::Draw((*frame.truckWarningAt)[0], (*frame.truckWarningAt)[1], frame.truckWarningLeft, frame.nowMs);
    }
    if (gameOverBanner_.IsShown()) {
        gameOverBanner_.Draw(w, h);
    } else {
        levelBanner_.Draw(w, h);
    }
    if (frame.state == kStateFinalShowDown) tally_.Draw(w, h, frame.nowMs);
}
