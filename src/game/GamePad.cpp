#include "game/Game.h"

#include <optional>
#include <utility>

#include "game/HighScore.h"
#include "game/MenuButtons.h"
#include "game/PadLetters.h"
#include "sound/SoundHelpers.h"
#include "platform/Gamepads.h"
#include "platform/VirtualKeys.h"

namespace {

using platform::PadButton;

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kNewLetter = 'A';

// Where the pad's highlight goes from each spot of the title menu, and the button it stands on
// (none for the volume rows). The four big buttons form a row that wraps; up from the row reaches
// the effects and music volumes, then the shadows option and the music option at the top. Left
// and right on a volume row step its volume, so their moves here are never taken.
struct TitleSpot {
    PadSpot from, up, down, left, right;
    std::optional<MenuAction> action;
};
constexpr TitleSpot kTitleSpots[] = {
    {PadSpot::Start, PadSpot::EffectsVolume, PadSpot::Start, PadSpot::Exit, PadSpot::Help, MenuAction::Start},
    {PadSpot::Help, PadSpot::EffectsVolume, PadSpot::Help, PadSpot::Start, PadSpot::HighScores, MenuAction::Help},
    {PadSpot::HighScores, PadSpot::EffectsVolume, PadSpot::HighScores, PadSpot::Help, PadSpot::Exit,
     MenuAction::HighScores},
    {PadSpot::Exit, PadSpot::EffectsVolume, PadSpot::Exit, PadSpot::HighScores, PadSpot::Start, MenuAction::Exit},
    {PadSpot::EffectsVolume, PadSpot::MusicVolume, PadSpot::Start, PadSpot::EffectsVolume, PadSpot::EffectsVolume,
     std::nullopt},
    {PadSpot::MusicVolume, PadSpot::Shadows, PadSpot::EffectsVolume, PadSpot::MusicVolume, PadSpot::MusicVolume,
     std::nullopt},
    {PadSpot::Shadows, PadSpot::Music, PadSpot::MusicVolume, PadSpot::Exit, PadSpot::Shadows, MenuAction::Shadows},
    {PadSpot::Music, PadSpot::Music, PadSpot::Shadows, PadSpot::Exit, PadSpot::Music, MenuAction::Music},
};

bool IsDirection(PadButton button) {
    return button == PadButton::Up || button == PadButton::Down || button == PadButton::Left ||
           button == PadButton::Right;
}

const TitleSpot& SpotOf(PadSpot spot) {
    for (const TitleSpot& row : kTitleSpots) {
        if (row.from == spot) return row;
    }
    return kTitleSpots[0];
}

const MenuButton* TitleButton(MenuAction action) {
    for (const MenuButton& button : MenuButtons()) {
        if (button.screen == MenuScreen::Title && button.action == action) return &button;
    }
    return nullptr;
}

std::optional<volume_panel::Row> VolumeRowOf(PadSpot spot) {
    if (spot == PadSpot::MusicVolume) return volume_panel::Row::Music;
    if (spot == PadSpot::EffectsVolume) return volume_panel::Row::Effects;
    return std::nullopt;
}

PadSpot MoveFrom(PadSpot from, PadButton direction) {
    const TitleSpot& spot = SpotOf(from);
    switch (direction) {
    case PadButton::Up: return spot.up;
    case PadButton::Down: return spot.down;
    case PadButton::Left: return spot.left;
    default: return spot.right;
    }
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
    if (InterceptInput(Replay::Event::Kind::Pad, static_cast<int>(code))) return;
    // The button acts through the key and click handlers: recorded once, as the button.
    const bool nested = std::exchange(injecting_, true);
    HandlePadButton(code);
    injecting_ = nested;
}

void Game::HandlePadButton(uint32_t code) {
    const auto button = static_cast<PadButton>(code);
    if (state_ == kStateTitleMenu && IsDirection(button)) {
        // The first press shows the highlight on the start button; later ones move it, except
        // left and right on a volume row, which step that volume as its − and + buttons do.
        if (padSpot_ == PadSpot::None) {
            padSpot_ = PadSpot::Start;
        } else if (const auto row = VolumeRowOf(padSpot_);
                   row && (button == PadButton::Left || button == PadButton::Right)) {
            const int delta = button == PadButton::Left ? -1 : +1;
            PlaySfx("SOUND_MENU_BUTTON_CLICK");
            if (*row == volume_panel::Row::Music) StepMusicVolume(delta);
            if (*row == volume_panel::Row::Effects) StepEffectsVolume(delta);
        } else {
            padSpot_ = MoveFrom(padSpot_, button);
        }
        return;
    }
    if (state_ == kStateTitleMenu && button == PadButton::A) {
        // Pressed as a click in the middle of the button: the same sound and the same action.
        if (padSpot_ == PadSpot::None) padSpot_ = PadSpot::Start;
        if (const MenuButton* target = PadHighlightedButton()) {
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
    if (InterceptInput(Replay::Event::Kind::PadRemoved, 0)) return;
    // A pad pulled out in the middle of play pauses it, as P would (recorded once, as the pad).
    const bool nested = std::exchange(injecting_, true);
    if (state_ == kStatePlaying || state_ == kStateFrogDying || state_ == kStateAfterDeath) OnKeyDown('P');
    injecting_ = nested;
}

const MenuButton* Game::PadHighlightedButton() const {
    if (state_ != kStateTitleMenu || padSpot_ == PadSpot::None) return nullptr;
    const std::optional<MenuAction> action = SpotOf(padSpot_).action;
    return action ? TitleButton(*action) : nullptr;
}

std::optional<volume_panel::Row> Game::PadVolumeRow() const {
    if (state_ != kStateTitleMenu) return std::nullopt;
    return VolumeRowOf(padSpot_);
}
