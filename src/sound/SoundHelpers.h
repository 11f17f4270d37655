#pragma once

#include <string>

// The game's sound calls by resource name ("SOUND_FROG_MOVE"). While sound is switched off, or
// for a name the catalogue does not hold, the first three do nothing and IsSfxPlaying gives
// `defaultValue`.

// Once, from the beginning.
void PlaySfx(const std::string& name);
void PlaySfxLooped(const std::string& name);
void StopSfx(const std::string& name);
bool IsSfxPlaying(const std::string& name, bool defaultValue);
