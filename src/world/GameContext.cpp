#include "world/GameContext.h"

#include <string>

#include "sound/SoundHelpers.h"

void GameContext::StopSound(std::string_view name) { StopSfx(std::string(name)); }

bool GameContext::IsSoundPlaying(std::string_view name, bool defaultValue) const {
    return IsSfxPlaying(std::string(name), defaultValue);
}
