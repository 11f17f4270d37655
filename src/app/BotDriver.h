#pragma once

#include <utility>

#include "bot/Bot.h"

class Game;
namespace platform {
class Window;
}

// Hands the bot's key presses to the window's message queue after every tick, exactly as a
// player's keys arrive, so that the game cannot tell them apart (and a recording of the game
// holds them like any other input).
class BotDriver {
public:
    explicit BotDriver(Bot::Options options) : bot_(std::move(options)) {}

    void AfterTick(Game& game, platform::Window& window);

private:
    Bot bot_;
};
