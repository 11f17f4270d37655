// A settings file ("config.txt") with the world built from it: every level laid out, placed and
// run for a while, as a level start does.

#include "WorldHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::LoadFixedSettings(fuzz::AsText(data, size));
    // A value the game refuses ends it before a level is built.
    if (SettingsManager::Instance().RefusedValues()) return 0;
    fuzz::WorldGame game;
    game.PlayLevels(0.5f, true);
    platform::ResetQuitState();
    return 0;
}
