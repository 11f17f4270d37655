#include "game/Game.h"

#include <array>
#include <cstdint>
#include <optional>

#include "game/HighScore.h"
#include "game/MenuButtons.h"
#include "game/VolumePanel.h"
#include "platform/Messages.h"
#include "platform/VirtualKeys.h"
#include "sound/SoundHelpers.h"
#include "world/Frog.h"
#include "world/FrogState.h"

namespace {

constexpr uint32_t Bit(int state) { return 1u << state; }
constexpr uint32_t kAnyState = 0xFFFFFFFFu;
// The frog's keys: in the pause they are dropped, not kept for after it.
constexpr uint32_t kUnlessPaused = kAnyState & ~Bit(kStatePaused);

enum class KeyAction {
    Quit,
    LeaveHighScores,
    ToTitle,
    CatchInsects,
    MoveLeft,
    MoveUp,
    MoveRight,
    MoveDown,
    ToCredits,
    ToHighScores,
    ToHelp,
    MKey,
    Pause,
    Resume,
    StartGame,
    ToggleShadows,
    ToggleMusic,
    MusicQuieter,
    MusicLouder,
    EffectsQuieter,
    EffectsLouder,
};

struct KeyBinding {
    uint32_t key;
    uint32_t states;  // bit per state in which the row applies
    KeyAction action;
};

// The first row whose key and state match acts; keys and states not listed do nothing.
constexpr std::array kKeyTable{
    KeyBinding{platform::VK_ESCAPE, Bit(kStateLoading) | Bit(kStateTitleMenu), KeyAction::Quit},
    KeyBinding{platform::VK_ESCAPE, Bit(kStateHighScoreTable), KeyAction::LeaveHighScores},
    KeyBinding{platform::VK_ESCAPE, kAnyState, KeyAction::ToTitle},
    KeyBinding{platform::VK_SPACE, kUnlessPaused, KeyAction::CatchInsects},
    KeyBinding{platform::VK_LEFT, kUnlessPaused, KeyAction::MoveLeft},
    KeyBinding{platform::VK_UP, kUnlessPaused, KeyAction::MoveUp},
    KeyBinding{platform::VK_RIGHT, kUnlessPaused, KeyAction::MoveRight},
    KeyBinding{platform::VK_DOWN, kUnlessPaused, KeyAction::MoveDown},
    KeyBinding{'C', Bit(kStateHelp), KeyAction::ToCredits},
    KeyBinding{'E', Bit(kStateTitleMenu), KeyAction::Quit},
    KeyBinding{'G', Bit(kStateTitleMenu), KeyAction::ToHighScores},
    KeyBinding{'H', Bit(kStateTitleMenu), KeyAction::ToHelp},
    KeyBinding{'M', kAnyState, KeyAction::MKey},
    KeyBinding{'P', Bit(kStatePlaying) | Bit(kStateFrogDying) | Bit(kStateAfterDeath), KeyAction::Pause},
    KeyBinding{'P', Bit(kStatePaused), KeyAction::Resume},
    KeyBinding{'S', Bit(kStateTitleMenu), KeyAction::StartGame},
    KeyBinding{'T', Bit(kStateTitleMenu), KeyAction::ToggleShadows},
    KeyBinding{'U', Bit(kStateTitleMenu) | Bit(kStateLoading), KeyAction::ToggleMusic},
    KeyBinding{'1', Bit(kStateTitleMenu), KeyAction::MusicQuieter},
    KeyBinding{'2', Bit(kStateTitleMenu), KeyAction::MusicLouder},
    KeyBinding{'3', Bit(kStateTitleMenu), KeyAction::EffectsQuieter},
    KeyBinding{'4', Bit(kStateTitleMenu), KeyAction::EffectsLouder},
};

// The arrow keys and Space reach the frog, when there is one.
void RequestMove(Frog* frog, FrogState command) {
    if (frog) frog->RequestMove(command);
}

void RequestCatchInsects(Frog* frog) {
    if (frog) frog->RequestCatchInsects();
}

bool AppliesIn(const KeyBinding& binding, int state) {
    return state >= 0 && state < 32 && (binding.states & Bit(state)) != 0;
}

}  // namespace

void Game::OnKeyDown(uint32_t virtualKey) {
    if (InterceptInput(Replay::Event::Kind::Key, static_cast<int>(virtualKey))) return;
    // Once the closing tally has landed, any key but Escape goes on to the table.
    if (state_ == kStateFinalShowDown && virtualKey != platform::VK_ESCAPE && overlays_.ShowDownWaitsForKey()) {
        SetState(kStateHighScoreSubmit);
        return;
    }
    const KeyBinding* binding = nullptr;
    for (const KeyBinding& row : kKeyTable) {
        if (row.key == virtualKey && AppliesIn(row, state_)) {
            binding = &row;
            break;
        }
    }
    if (!binding) return;
    Frog* frog = GetFrog();
    switch (binding->action) {
    case KeyAction::Quit: platform::PostQuitMessage(0); break;
    case KeyAction::LeaveHighScores:
        LeaveHighScoreScreen();
        SetState(kStateTitleMenu);
        break;
    case KeyAction::ToTitle: SetState(kStateTitleMenu); break;
    case KeyAction::CatchInsects: RequestCatchInsects(frog); break;
    case KeyAction::MoveLeft: RequestMove(frog, FS_MOVE_LEFT); break;
    case KeyAction::MoveUp: RequestMove(frog, FS_MOVE_UP); break;
    case KeyAction::MoveRight: RequestMove(frog, FS_MOVE_RIGHT); break;
    case KeyAction::MoveDown: RequestMove(frog, FS_MOVE_DOWN); break;
    case KeyAction::ToCredits: SetState(kStateCredits); break;
    case KeyAction::ToHighScores: SetState(kStateHighScoreTable); break;
    case KeyAction::ToHelp: SetState(kStateHelp); break;
    case KeyAction::MKey:
        // In this order, so that M on the help screen does not go on to act on the title menu;
        // while a name is typed, M is a letter of it.
        if (state_ == kStateHelp) SetState(kStateTitleMenu);
        if (state_ == kStateHighScoreTable && !HighScore::Instance().IsEditing()) LeaveHighScoreScreen();
        if (state_ == kStateCredits) SetState(kStateTitleMenu);
        break;
    case KeyAction::Pause:
        savedState_ = state_;
        SetState(kStatePaused);
        break;
    case KeyAction::Resume: SetState(savedState_); break;
    case KeyAction::StartGame:
        NewGame();
        SetState(kStatePlaying);
        break;
    case KeyAction::ToggleShadows: ToggleShadows(); break;
    case KeyAction::ToggleMusic: ToggleMusic(); break;
    case KeyAction::MusicQuieter: StepMusicVolume(-1); break;
    case KeyAction::MusicLouder: StepMusicVolume(+1); break;
    case KeyAction::EffectsQuieter: StepEffectsVolume(-1); break;
    case KeyAction::EffectsLouder: StepEffectsVolume(+1); break;
    }
}

void Game::OnChar(uint32_t code) {
    if (InterceptInput(Replay::Event::Kind::Char, static_cast<int>(code))) return;
    HighScore::Instance().OnChar(static_cast<int>(code));
}

void Game::OnMouseDown(int x, int y) {
    if (InterceptInput(Replay::Event::Kind::Down, x, y)) return;
    if (state_ == kStateTitleMenu && VolumePanel::ButtonAt(x, y)) PlaySfx("SOUND_MENU_BUTTON_CLICK");
    const std::optional<MenuScreen> screen = ScreenOf(state_);
    if (!screen) return;
    for (const MenuButton& button : MenuButtons()) {
        if (button.screen == *screen && button.Contains(x, y)) {
            PlaySfx("SOUND_MENU_BUTTON_CLICK");
            return;
        }
    }
}

void Game::OnMouseUp(int x, int y) {
    if (InterceptInput(Replay::Event::Kind::Up, x, y)) return;
    if (const volume_panel::Button* volume = state_ == kStateTitleMenu ? VolumePanel::ButtonAt(x, y) : nullptr) {
        if (volume->row == volume_panel::Row::Music) StepMusicVolume(volume->delta);
        if (volume->row == volume_panel::Row::Effects) StepEffectsVolume(volume->delta);
    }
    const std::optional<MenuScreen> screen = ScreenOf(state_);
    if (!screen) return;
    // Every button of the screen that holds the point acts, in table order, all judged by the
    // screen the release happened on.
    for (const MenuButton& button : MenuButtons()) {
        if (button.screen != *screen || !button.Contains(x, y)) continue;
        switch (button.action) {
        case MenuAction::Music: ToggleMusic(); break;
        case MenuAction::Shadows: ToggleShadows(); break;
        case MenuAction::Start:
            NewGame();
            SetState(kStatePlaying);
            break;
        case MenuAction::Help: SetState(kStateHelp); break;
        case MenuAction::HighScores: SetState(kStateHighScoreTable); break;
        case MenuAction::Exit: platform::PostQuitMessage(0); break;
        case MenuAction::Back:
            if (*screen == MenuScreen::HighScores) {
                LeaveHighScoreScreen();
            } else {
                SetState(kStateTitleMenu);
            }
            break;
        case MenuAction::Credits: SetState(kStateCredits); break;
        }
    }
}
