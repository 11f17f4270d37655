#pragma once

#include <cstdint>

// The screens and phases of play. The numbers are fixed: they are compared, stored as the state a
// pause returns to, and written into the headless runner's state dump. 3 and 14 are unused. The
// world sees them through GameContext; the game's state machine runs on them.
enum GameState : int32_t {
    kStateLoading = 0,
    kStatePlaying = 1,
    kStateFinalScroll = 2,
    kStateFrogDying = 4,
    kStateAfterDeath = 5,
    kStateHelp = 6,
    kStatePaused = 7,
    kStateHighScoreTable = 8,
    kStateHighScoreSubmit = 9,
    kStateGameOver = 10,
    kStateTitleMenu = 11,
    kStateFinalShowDown = 12,
    kStateCredits = 13,
};

// Every state, in number order: tables by state are checked against it when they are compiled.
inline constexpr GameState kGameStates[] = {
    kStateLoading,   kStatePlaying,       kStateFinalScroll,    kStateFrogDying,       kStateAfterDeath,
    kStateHelp,      kStatePaused,        kStateHighScoreTable, kStateHighScoreSubmit, kStateGameOver,
    kStateTitleMenu, kStateFinalShowDown, kStateCredits,
};
