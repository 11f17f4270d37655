#pragma once

#include <vector>

#include "bot/Bot.h"
#include "game/DemoSource.h"

// The bot as a demo source: its key presses, tick by tick, on the clock's own time steps.
class BotDemoSource final : public DemoSource {
public:
    BotDemoSource() : bot_(Bot::Options{}) {}

    bool Next(Game& game, std::vector<Replay::Event>& input) override;

private:
    Bot bot_;
};
