#pragma once

#include <fstream>
#include <functional>
#include <memory>
#include <optional>

#include "app/BotDriver.h"
#include "app/CommandLine.h"
#include "game/Replay.h"

class Game;
namespace platform {
class Window;
}

// The ways the program plays besides a person at the keys: the bot playing one game
// (--autoplay), a recorded game played back (--replay, in a window or headless), and the title
// menu's demos; also the state dump of a game in a window (--state without --headless).
class PlayModes {
public:
    explicit PlayModes(const CommandLine& options) : options_(options) {}

    // Before anything opens: reads the replay file. False after one line on standard error.
    bool ReadReplay();
    // Ticks a headless run needs to play the whole replay (-1 without one).
    int ReplayTicks() const;
    // The data is open: stamps recordings, offers the bot for the title menu's demo, and checks
    // that the replay was made by this game on this data. False after one line on standard error.
    bool Setup(Game& game);
    // On the title menu after loading: starts the replay.
    void Start(Game& game);
    // What runs after every tick (bot, window state dump); empty when nothing does.
    std::function<void()> AfterTick(Game& game, platform::Window& window);

private:
    CommandLine options_;
    std::optional<Replay> replay_;
    std::unique_ptr<BotDriver> bot_;
    std::ofstream windowState_;
    int windowTick_ = 0;
};
