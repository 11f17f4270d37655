#include "game/Game.h"
#include "game/HighScore.h"
#include "game/MenuButtons.h"
#include "game/PadLetters.h"
#include "platform/Gamepads.h"
#include "platform/VirtualKeys.h"

namespace {

using platform::PadButton;

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kNewLetter = 'A';

// Where the pad's highlight goes from each title-menu button. The four big buttons form a row
// that wraps; up from the row reaches the shadows option and then the music option above it.
struct TitleMove {
    MenuAction from, up, down, left, right;
};
constexpr TitleMove kTitleMoves[] = {
    {MenuAction::Start, MenuAction::Shadows, MenuAction::Start, MenuAction::Exit, MenuAction::Help},
    {MenuAction::Help, MenuAction::Shadows, MenuAction::Help, MenuAction::Start, MenuAction::HighScores},
    {MenuAction::HighScores, MenuAction::Shadows, MenuAction::HighScores, MenuAction::Help, MenuAction::Exit},
    {MenuAction::Exit, MenuAction::Shadows, MenuAction::Exit, MenuAction::HighScores, MenuAction::Start},
    {MenuAction::Shadows, MenuAction::Music, MenuAction::Start, MenuAction::Exit, MenuAction::Shadows},
    {MenuAction::Music, MenuAction::Music, MenuAction::Shadows, MenuAction::Exit, MenuAction::Music},
};

bool IsDirection(PadButton button) {
    return button == PadButton::Up || button == PadButton::Down || button == PadButton::Left ||
           button == PadButton::Right;
}

const MenuButton* TitleButton(MenuAction action) {
    for (const MenuButton& button : MenuButtons()) {
        if (button.screen == MenuScreen::Title && button.action == action) return &button;
    }
    return nullptr;
}

MenuAction MoveFrom(MenuAction from, PadButton direction) {
    for (const TitleMove& move : kTitleMoves) {
        if (move.from != from) continue;
        switch (direction) {
        case PadButton::Up: return move.up;
        case PadButton::Down: return move.down;
        case PadButton::Left: return move.left;
        default: return move.right;
        }
    }
    return MenuAction::Start;
}

// The keys the pad stands in for outside the title menu and the name entry.
uint32_t KeyOf(PadButton button) {
    switch (button) {
    case PadButton::Up: return platform::VK_UP;
    case PadButton::Down: return platform::VK_DOWN;
    case PadButton::Left: return platform::VK_LEFT;
    case PadButton::Right: return platform::VK_RIGHT;
    case PadButton::A: return platform::VK_SPACE;
    case PadButton::Start: return 'P';
    case PadButton::Back: return platform::VK_ESCAPE;
    case PadButton::B: return 0;
    }
    return 0;
}

// Up and down change the name's last letter (adding one to an empty name), left takes it away,
// right adds a letter, A confirms.
bool EditName(PadButton button) {
    HighScore& table = HighScore::Instance();
    auto stepLast = [&table](int steps) {
        const std::string& name = table.NameBuffer();
        if (name.empty()) {
            table.OnChar(kNewLetter);
            return;
        }
        const int last = static_cast<unsigned char>(name.back());
        table.OnChar(kBackspace);
        table.OnChar(PadLetters::Step(last, steps));
    };
    switch (button) {
    case PadButton::Up: stepLast(1); return true;
    case PadButton::Down: stepLast(-1); return true;
    case PadButton::Left: table.OnChar(kBackspace); return true;
    case PadButton::Right: table.OnChar(kNewLetter); return true;
    case PadButton::A: table.OnChar(kEnter); return true;
    default: return false;
    }
}

}  // namespace

void Game::OnPadButton(uint32_t code) {
    const auto button = static_cast<PadButton>(code);
    if (state_ == kStateTitleMenu && IsDirection(button)) {
        // The first press shows the highlight on the start button; later ones move it.
        const auto from = static_cast<MenuAction>(padHighlight_);
        padHighlight_ = static_cast<int>(padHighlight_ < 0 ? MenuAction::Start : MoveFrom(from, button));
        return;
    }
    if (state_ == kStateTitleMenu && button == PadButton::A) {
        // Pressed as a click in the middle of the button: the same sound and the same action.
        if (padHighlight_ < 0) padHighlight_ = static_cast<int>(MenuAction::Start);
        if (const MenuButton* target = TitleButton(static_cast<MenuAction>(padHighlight_))) {
            const int x = (target->left + target->right) / 2;
            const int y = (target->top + target->bottom) / 2;
            OnMouseDown(x, y);
            OnMouseUp(x, y);
        }
        return;
    }
    if (state_ == kStateHighScoreTable && HighScore::Instance().IsEditing() && EditName(button)) return;
    if (button == PadButton::B) {
        if (state_ == kStateHelp || state_ == kStateCredits) SetState(kStateTitleMenu);
        if (state_ == kStateHighScoreTable) LeaveHighScoreScreen();
        return;
    }
    if (const uint32_t key = KeyOf(button)) OnKeyDown(key);
}

void Game::OnPadRemoved() {
    // A pad pulled out in the middle of play pauses it, as P would.
    if (state_ == kStatePlaying || state_ == kStateFrogDying || state_ == kStateAfterDeath) OnKeyDown('P');
}

const MenuButton* Game::PadHighlightedButton() const {
    if (state_ != kStateTitleMenu || padHighlight_ < 0) return nullptr;
    return TitleButton(static_cast<MenuAction>(padHighlight_));
}
