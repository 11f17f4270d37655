#include "game/Game.h"

#include <string>

#include "core/StringUtil.h"
#include "game/GameScore.h"
#include "game/HudFormat.h"
#include "game/ScreenMessage.h"
#include "gfx/DirectDraw.h"
#include "gfx/HUDFont.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "platform/Clock.h"
#include "world/World.h"

namespace {

// Corners of the display the HUD items keep to.
constexpr int kMargin = 10;
constexpr int kScoreRightInset = 11;
constexpr int kStarsTextRightInset = 50;
constexpr int kStarsTextBottomInset = 45;
constexpr int kStarIconInset = 15;
constexpr int kRowBottomInset = 11;
// Frog heads and goal places stand 50 pixels apart; the goal row starts at x = 550.
constexpr int kIconStep = 50;
constexpr int kGoalRowX = 550;

Sprite* HudSprite(const char* name) { return SpriteManager::Instance().GetSprite(MakeAssetKey(name)); }

}  // namespace

void Game::DrawHud(float dt, bool blinkLastLife, bool goalJustReached) {
    const DirectDraw& display = DirectDraw::Instance();
    const int width = display.GetWidth();
    const int height = display.GetHeight();
    const uint32_t now = platform::TimeGetTime();
    HUDFont& font = HUDFont::Instance();
    const GameScore& score = GameScore::Instance();

    // The clock means nothing once the last level is done or the last life is lost.
    const int lifes = world_ ? world_->GetLevelInfo().frogLifes : 0;
    const bool gameDone = state_ == kStateFinalScroll || state_ == kStateFinalShowDown ||
                          PlayOverlays::GameOverShown(state_ == kStatePaused ? savedState_ : state_, lifes);
    if (world_ && !gameDone) {
        const LevelInfo& level = world_->GetLevelInfo();
        font.DrawText(kMargin, kMargin, HudFormat::Time(level.timeLeftSeconds));
        const std::string levelText = HudFormat::LevelNumber(level.levelIndex);
        font.DrawText((width - font.TextWidth(levelText)) / 2, kMargin, levelText);
    }
    font.DrawText(width - kScoreRightInset, kMargin, std::to_string(static_cast<int>(score.DisplayedScore())), true);
    font.DrawText(width - kStarsTextRightInset, height - kStarsTextBottomInset, std::to_string(score.StarsCollected()),
                  true);
    if (Sprite* star = HudSprite("STAR")) {
        star->Draw(width - star->GetWidth() - kStarIconInset, height - star->GetHeight() - kStarIconInset);
    }

    if (world_) {
        const LevelInfo& level = world_->GetLevelInfo();
        if (Sprite* head = HudSprite("FROG_HEAD")) {
            const int lives = HudFormat::LivesShown(level.frogLifes, blinkLastLife, now);
            const int y = height - head->GetHeight() - kRowBottomInset;
            for (int i = 0; i < lives; ++i) head->Draw(kMargin + kIconStep * i, y);
        }
        Sprite* toGoal = HudSprite("FROG_TO_GOAL");
        Sprite* home = HudSprite("FROG_TO_GOAL_LEFT");
        if (toGoal && home) {
            // The frogs still to bring home come first, those already home after them.
            const int y = height - toGoal->GetHeight() - kRowBottomInset;
            const int shown = HudFormat::FrogsToBringHomeShown(level.frogsLeftToGoal, goalJustReached, now);
            for (int i = 0; i < level.numFrogsToGoal; ++i)
                (i < shown ? toGoal : home)->Draw(kGoalRowX + kIconStep * i, y);
        }
    }

    // While the pause word shows, the frozen message and popups give way to it.
    if (state_ != kStatePaused || !HudFormat::PauseTextShown(now)) ScreenMessage::Instance().Update(dt);
    DrawOverlays(dt);
}
