#include "game/MenuButtons.h"

#include <array>

namespace {

constexpr std::array kButtons{
    MenuButton{MenuScreen::Title, 636, 107, 786, 157, "BUTTON_MUSIC_HIGH_LIGHT", MenuAction::Music},
    MenuButton{MenuScreen::Title, 623, 156, 786, 237, "BUTTON_SHADOW_HIGH_LIGHT", MenuAction::Shadows},
    MenuButton{MenuScreen::Title, 71, 512, 204, 571, "BUTTON_START_HIGH_LIGHT", MenuAction::Start},
    MenuButton{MenuScreen::Title, 228, 512, 340, 571, "BUTTON_HELP_HIGH_LIGHT", MenuAction::Help},
    MenuButton{MenuScreen::Title, 373, 512, 579, 589, "BUTTON_HIGH_SCORE_HIGH_LIGHT", MenuAction::HighScores},
    MenuButton{MenuScreen::Title, 610, 512, 726, 573, "BUTTON_EXIT_HIGH_LIGHT", MenuAction::Exit},
    MenuButton{MenuScreen::Help, 416, 522, 497, 560, "BUTTON_BACK_HELP_HIGH_LIGHT", MenuAction::Back},
    MenuButton{MenuScreen::Help, 281, 522, 378, 560, "BUTTON_CREDITS_HIGH_LIGHT", MenuAction::Credits},
    MenuButton{MenuScreen::HighScores, 359, 523, 440, 561, "BUTTON_BACK_HIGH_SCORE_HIGH_LIGHT", MenuAction::Back},
    MenuButton{MenuScreen::Credits, 359, 523, 440, 561, "BUTTON_BACK_CREDITS_HIGH_LIGHT", MenuAction::Back},
};

}  // namespace

std::span<const MenuButton> MenuButtons() { return kButtons; }

std::optional<MenuScreen> ScreenOf(GameState state) {
    switch (state) {
    case kStateTitleMenu: return MenuScreen::Title;
    case kStateHelp: return MenuScreen::Help;
    case kStateHighScoreTable: return MenuScreen::HighScores;
    case kStateCredits: return MenuScreen::Credits;
    default: return std::nullopt;
    }
}
