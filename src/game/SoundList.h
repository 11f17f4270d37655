#pragma once

#include <span>

// The sounds the game loads at start-up, by resource name, in loading order: the effects are
// decoded whole (with the object kinds' crash and kill sounds), the music and the ambient loops
// are streamed.
std::span<const char* const> EffectSoundNames();
std::span<const char* const> StreamedSoundNames();
