#include "game/Game.h"

#include <algorithm>
#include <optional>

#include "core/StringUtil.h"
#include "game/GameScore.h"
#include "game/HighScore.h"
#include "game/MenuButtons.h"
#include "game/VolumePanel.h"
#include "gfx/DirectDraw.h"
#include "gfx/HUDFont.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "platform/CursorState.h"
#include "sound/SoundHelpers.h"

namespace {

using FrameHandler = void (Game::*)(float);

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// Title-menu check marks.
constexpr int kCheckX = 738;
constexpr int kCheckMusicY = 113;
constexpr int kCheckShadowY = 151;

// Under the table while a new entry's name is typed (Latin-1, as the font reads it).
constexpr const char* kNameEntryPrompt = "Neuer Rekord! Namen tippen, Enter best\xE4tigt";
constexpr int kNameEntryPromptY = 483;

// The game's own pointer hangs 10 pixels left of the mouse position.
constexpr int kCursorOffsetX = 10;

// Credits: the first line starts at y = 500, lines 30 apart; the logos follow far below and the
// whole roll starts again after 2000 pixels (80 seconds).
constexpr float kCreditsFirstLineY = 500.0f;
constexpr int kCreditsLineSpacing = 30;
constexpr float kCreditsLogoY = 1650.0f;
constexpr float kCreditsRestartPosition = -2000.0f;
constexpr int kLogoZelX = 200;
constexpr int kLogoKestrelX = 400;

}  // namespace

void Game::RunFrameHandler(float dt) {
    struct StateHandler {
        GameState state;
        FrameHandler handler;  // null: nothing runs in the state's frames
    };
    // One row per state, in state order. Loading draws its own frames before the first tick.
    static constexpr StateHandler kHandlers[] = {
        {kStateLoading, nullptr},
        {kStatePlaying, &Game::UpdatePlaying},
        {kStateFinalScroll, &Game::UpdateFinalScroll},
        {kStateFrogDying, &Game::UpdateFrogDying},
        {kStateAfterDeath, &Game::UpdateAfterDeath},
        {kStateHelp, &Game::UpdateHelp},
        {kStatePaused, &Game::UpdatePaused},
        {kStateHighScoreTable, &Game::UpdateHighScoreTable},
        {kStateHighScoreSubmit, &Game::UpdateHighScoreSubmit},
        {kStateGameOver, &Game::UpdateGameOver},
        {kStateTitleMenu, &Game::UpdateTitleMenu},
        {kStateFinalShowDown, &Game::UpdateFinalShowDown},
        {kStateCredits, &Game::UpdateCredits},
    };
    static_assert(std::ranges::equal(kHandlers, kGameStates, {}, &StateHandler::state),
                  "the frame handler table needs one row per game state, in state order");
    for (const StateHandler& row : kHandlers) {
        if (row.state != state_) continue;
        if (row.handler) (this->*row.handler)(dt);
        return;
    }
}

void Game::UpdateTitleMenu(float) {
    StopIdleSound();
    DrawSprite("TITLE_MENU", 0, 0);
    if (musicOn_) DrawSprite("CHECK_MUSIC", kCheckX, kCheckMusicY);
    if (shadowsOn_) DrawSprite("CHECK_SHADOW", kCheckX, kCheckShadowY);
    const platform::GamePoint mouse = platform::GetCursorPos();
    VolumePanel::Draw(musicVolume_, effectsVolume_, mouse.x, mouse.y, PadVolumeRow());
    DrawHighlights();
    DrawCursor();
    UpdateSounds(true);
}

void Game::UpdateHelp(float) {
    StopIdleSound();
    DrawSprite("HELP", 0, 0);
    DrawHighlights();
    DrawCursor();
    UpdateSounds(true);
}

void Game::UpdateHighScoreTable(float) {
    StopIdleSound();
    DrawSprite("HIGH_SCORE", 0, 0);
    HighScore& table = HighScore::Instance();
    table.Draw();
    if (table.IsEditing()) {
        HUDFont& font = HUDFont::Instance();
        font.DrawText((kScreenWidth - font.TextWidth(kNameEntryPrompt)) / 2, kNameEntryPromptY, kNameEntryPrompt);
    }
    DrawHighlights();
    DrawCursor();
    UpdateSounds(true);
}

void Game::UpdateHighScoreSubmit(float) {
    StopIdleSound();
    if (HighScore::Instance().Submit(GameScore::Instance().Score()))
        StoreEntryReplay(HighScore::Instance().EditedIndex());
    PlaySfxLooped("SOUND_HIGHSCORE");
    StopSfx("SOUND_THEME");
    DirectDraw::Instance().StartTransition(true);
    SetState(kStateHighScoreTable);
    UpdateSounds(true);
}

void Game::UpdateCredits(float dt) {
    StopIdleSound();
    DrawSprite("CREDITS", 0, 0);
    creditsPosition_ -= dt * kCreditsScrollSpeed;
    int y = static_cast<int>(creditsPosition_ + kCreditsFirstLineY);
    HUDFont& font = HUDFont::Instance();
    for (const std::string& line : creditsLines_) {
        if (y > 0) font.DrawTextScaled((kScreenWidth - font.ScaledTextWidth(line)) / 2, y, line);
        y += kCreditsLineSpacing;
        if (y > kScreenHeight) break;
    }
    SpriteManager& sprites = SpriteManager::Instance();
    Sprite* logoZel = sprites.GetSprite(MakeAssetKey("LOGO_ZEL"));
    Sprite* logoKestrel = sprites.GetSprite(MakeAssetKey("LOGO_KESTREL"));
    if (logoZel && logoKestrel) {
        const int logoY = static_cast<int>(creditsPosition_ + kCreditsLogoY);
        logoZel->Draw(kLogoZelX, logoY);
        logoKestrel->Draw(kLogoKestrelX, logoY);
    }
    DrawSprite("CREDITS_MASK", 0, 0);
    if (creditsPosition_ < kCreditsRestartPosition) creditsPosition_ = 0.0f;
    DrawHighlights();
    DrawCursor();
    UpdateSounds(true);
}

void Game::DrawHighlights() {
    const std::optional<MenuScreen> screen = ScreenOf(state_);
    if (!screen) return;
    const platform::GamePoint mouse = platform::GetCursorPos();
    for (const MenuButton& button : MenuButtons()) {
        if (button.screen == *screen && button.Contains(mouse.x, mouse.y)) {
            DrawSprite(button.highlight, button.left, button.top);
        }
    }
    // The gamepad's highlight, unless the mouse lights the same button already.
    if (const MenuButton* pad = PadHighlightedButton(); pad && !pad->Contains(mouse.x, mouse.y)) {
        DrawSprite(pad->highlight, pad->left, pad->top);
    }
}

void Game::DrawCursor() {
    if (!platform::IsPointerShown()) return;
    const platform::GamePoint mouse = platform::GetCursorPos();
    DrawSprite(platform::IsLeftButtonDown() ? "CURSOR_DOWN" : "CURSOR", mouse.x - kCursorOffsetX, mouse.y);
}
