#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/SoundDeviceBuffer.h"

// One named sound in a device buffer, owned by the SoundEngine's catalogue. Play and PlayLooped
// do nothing while the engine is switched off. All calls come from the main thread.
class SoundFx {
public:
    SoundFx(std::string name, std::string fileName, std::unique_ptr<platform::SoundDeviceBuffer> buffer);
    virtual ~SoundFx();
    SoundFx(const SoundFx&) = delete;
    SoundFx& operator=(const SoundFx&) = delete;

    // Once, from the beginning (a sound that plays is restarted).
    virtual void Play();
    virtual void Stop();
    // As Play, but looping.
    virtual void PlayLooped();
    virtual bool IsPlaying();
    // Needs the frequency flag at loading.
    virtual void SetFrequency(uint32_t hz);
    // A factor: 1.0 is full volume, 0.0 silence; in between the attenuation is (1 − v) × 100 dB.
    // Needs the volume flag at loading.
    virtual void SetVolume(float v);

    const std::string& GetName() const { return name_; }
    const std::string& GetFileName() const { return fileName_; }
    platform::SoundDeviceBuffer* GetBuffer() const { return buffer_.get(); }

    // The device volume for a factor: truncate((v − 1) · 10000), kept within the device's range.
    static int32_t VolumeFromFactor(float v);

protected:
    void Start(uint32_t playFlags);

    std::string name_;
    std::string fileName_;
    std::unique_ptr<platform::SoundDeviceBuffer> buffer_;
};
