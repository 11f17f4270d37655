#pragma once

#include <cstdint>
#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Singleton.h"
#include "platform/SoundDevice.h"

class SfxLoader;
class SoundFx;
struct SoundData;

namespace platform {
class SoundDeviceBuffer;
}

// Owns the sound device, the decoders and the catalogue of named sounds. Names are normalised
// with MakeAssetKey on the way in ("SOUND_DIVE" and "sounddive" are one sound).
// Main thread only; streamed sounds refill themselves on their timer (StreamingSoundFx).
class SoundEngine final : public Singleton<SoundEngine> {
public:
    // Bits of LoadSound's flags.
    static constexpr int kFlagVolume = 1;
    static constexpr int kFlagFrequency = 2;
    static constexpr int kFlagStream = 16;

    // Creates one decoder of every registered loading type and opens the device. Headless runs
    // use the null device; without an audio device the null device is used as well, so the game
    // behaves the same, silently. False only when sound is switched off (SetSoundOff).
    bool Init(platform::SoundOutput output = platform::SoundOutput::Auto);
    // Deletes every sound (stopping streams first), the decoders and the device. Returns true.
    bool Shutdown();

    // Adds a sound under `name`; an earlier sound of that name is stopped and deleted.
    bool LoadSound(const std::string& name, const std::string& fileName, int flags, bool mono);
    // Null for a name that is not in the catalogue.
    SoundFx* GetSound(const std::string& name) const;

    bool IsEnabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // The command-line switch that keeps the game silent: Init opens no device and fails, so the
    // game runs as without sound.
    void SetSoundOff(bool off) { soundOff_ = off; }

    // Said by the program when nothing can hear or record the output (the null device, no mix
    // file): streams then skip decoding and only move their write position on, since no sample
    // they would write is ever read. Any thread may ask.
    void SetUnheard(bool unheard) { unheard_ = unheard; }
    bool IsUnheard() const { return unheard_; }

    // For the headless runner: while recording, every PlaySfx and PlaySfxLooped call is noted by
    // name (whether sound is on or not), in call order; TakeStartedSounds hands them over.
    void SetRecordStarts(bool on);
    void NoteStarted(const std::string& name);
    std::vector<std::string> TakeStartedSounds();

    static constexpr const char* kName = "SoundEngine Singleton";

    // The volume of the music or of the effects (linear gain 0 … 1); nothing without a device.
    void SetBusGain(platform::SoundBus bus, float gain);
    // Puts a loaded sound (name as for GetSound) on the music's or the effects' volume.
    void SetSoundBus(const std::string& name, platform::SoundBus bus);

    platform::SoundDevice* GetDevice() const { return directSound_.get(); }
    size_t GetLoaderCount() const { return loaders_.size(); }

    // A buffer for `format` holding `samples` frames, filled with `data` (or silence when null).
    std::unique_ptr<platform::SoundDeviceBuffer> CreateBuffer(const SoundData& format, const uint8_t* data,
                                                              int flags) const;

private:
    friend class Singleton<SoundEngine>;
    SoundEngine();
    ~SoundEngine();

    bool LoadStreamingSound(const std::string& key, const std::string& fileName, int flags);

    std::unique_ptr<platform::SoundDevice> directSound_;
    std::vector<std::unique_ptr<SfxLoader>> loaders_;
    std::map<std::string, std::unique_ptr<SoundFx>> sounds_;
    bool enabled_ = false;
    bool soundOff_ = false;
    bool recordStarts_ = false;
    std::atomic<bool> unheard_{false};
    std::vector<std::string> startedSounds_;
};
