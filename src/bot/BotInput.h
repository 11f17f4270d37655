#pragma once

#include <cstdint>

// One thing the bot does at the keyboard, delivered like a player's: a key press (virtual-key
// code) or a typed character.
struct BotInput {
    enum class Kind { Key, Char };
    Kind kind = Kind::Key;
    uint32_t code = 0;

    bool operator==(const BotInput&) const = default;
};
