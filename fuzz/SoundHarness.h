#pragma once

// Loads a sound file through the engine's catalogue, as the game loads its effects, and plays it
// through a mixer the harness drives itself.

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "platform/Mixer.h"
#include "platform/SoundDevice.h"
#include "sound/SoundEngine.h"
#include "sound/SoundFx.h"

namespace fuzz {

inline void LoadAndPlay(const std::string& file, const uint8_t* data, size_t size) {
    SoundEngine& engine = SoundEngine::Instance();
    static const bool ready = [&] {
        engine.Init(platform::SoundOutput::Manual);
        engine.SetEnabled(true);
        return true;
    }();
    (void)ready;
    DataFolder::Write(file, AsText(data, size));
    // The last byte picks the loading flags and channel handling the game uses for its sounds.
    const uint8_t choice = size > 0 ? data[size - 1] : 0;
    const int flags = (choice & 1 ? SoundEngine::kFlagVolume : 0) | (choice & 2 ? SoundEngine::kFlagFrequency : 0);
    if (!engine.LoadSound("FUZZ", std::string(FileLoader::kDataFolder) + file, flags, (choice & 4) != 0)) return;
    SoundFx* sound = engine.GetSound("FUZZ");
    if (!sound) return;
    platform::Mixer* mixer = engine.GetDevice() ? engine.GetDevice()->GetManualMixer() : nullptr;
    std::vector<int16_t> out(2 * 1024);
    if (choice & 8) {
        sound->PlayLooped();
    } else {
        sound->Play();
    }
    if (choice & 1) sound->SetVolume(0.5f);
    if (choice & 2) sound->SetFrequency(choice & 16 ? 100 : 200000);
    for (int i = 0; mixer && i < 4; ++i) mixer->Mix(out.data(), 1024);
    sound->Stop();
}

}  // namespace fuzz
