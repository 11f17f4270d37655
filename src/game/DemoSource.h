#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "game/Replay.h"

class Game;

// Where a demo game's input comes from instead of the keyboard: a recorded game or a player bot.
// The game asks it once before every tick.
class DemoSource {
public:
    virtual ~DemoSource() = default;

    // The random state the demo game starts from; none keeps the current one.
    virtual std::optional<uint32_t> Seed() const { return std::nullopt; }
    // The title-menu shadow option the demo is shown with; none keeps the player's.
    virtual std::optional<bool> Shadows() const { return std::nullopt; }
    // The time step of the coming tick in microseconds; none lets the clock decide.
    virtual std::optional<uint32_t> StepUs() const { return std::nullopt; }
    // The input before the coming tick; false when the source has nothing more to play.
    virtual bool Next(Game& game, std::vector<Replay::Event>& input) = 0;
};
