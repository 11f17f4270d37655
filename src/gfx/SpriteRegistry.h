#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "gfx/SpriteSpec.h"

class SpriteManager;

// One row of the game's sprite registration: names as written in the code (normalised when
// registered). A keyed duration is read from the setting <normalised name>"Interval".
struct SpriteRegistration {
    const char* name;
    SpriteKind kind;
    int32_t frameCount;
    bool keyedDuration;  // false: the fixed duration kFixedSpriteDuration
    bool trim;
    bool hasMirrored;
    bool loop;
};

constexpr float kFixedSpriteDuration = 1.0f;

// The sprites of the catalogue's own table, in registration order (the game adds its object
// kinds' sprites to these).
std::span<const SpriteRegistration> SpriteRegistrations();

// The settings key of a keyed duration: frogidle → frogidleInterval.
std::string DurationKey(const std::string& normalisedName);

// Registers the rows with the catalogue, reading the keyed durations from the settings.
// True when every spec was registered.
bool RegisterSprites(SpriteManager& manager, std::span<const SpriteRegistration> rows);
