#pragma once

#include <optional>
#include <span>

#include "world/GameState.h"

// The buttons of the menu screens: where they are, the highlight shown under the mouse, and what
// a release on them does. A point is inside only when it lies strictly between the edges.
enum class MenuScreen { Title, Help, HighScores, Credits };

enum class MenuAction { Music, Shadows, Start, Help, HighScores, Exit, Back, Credits };

struct MenuButton {
    MenuScreen screen;
    int left, top, right, bottom;  // screen pixels
    const char* highlight;         // resource name of the highlight sprite, drawn at (left, top)
    MenuAction action;

    bool Contains(int x, int y) const { return left < x && x < right && top < y && y < bottom; }
};

// Every button, per screen in the order a release tests them.
std::span<const MenuButton> MenuButtons();

// The menu screen a state shows; none for loading and the states of play.
std::optional<MenuScreen> ScreenOf(GameState state);
