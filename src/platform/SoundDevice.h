#pragma once

#include <cstdint>
#include <array>
#include <memory>

#include "platform/SoundBus.h"
#include "platform/SoundDeviceTypes.h"

namespace platform {

class Mixer;
class SoundDeviceBuffer;

// Where the sound goes.
enum class SoundOutput {
    Auto,    // the system's audio device through SDL; without one, as Null
    Null,    // nothing audible; play cursors follow the millisecond clock (headless runs)
    Manual,  // nothing audible; the owner drives the mixer itself (tests, benchmarks)
};

// The sound device: opens the output and creates secondary buffers, which the software mixer
// plays at 44100 Hz stereo. Buffers may outlive the device (they then fall silent).
class SoundDevice final {
public:
    SoundDevice();
    ~SoundDevice();
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    // Always succeeds: without an audio device the null output is used (said once per process
    // on standard error).
    bool Open(SoundOutput output);
    void Close();
    bool IsOpen() const { return open_; }
    // What was opened: Auto becomes Null when no audio device could be used.
    SoundOutput GetOutput() const { return output_; }

    // Null when the device is closed or the description is not a PCM format of 8, 16 or 32 bits,
    // one or two channels, DSBFREQUENCY_MIN … DSBFREQUENCY_MAX samples per second and at least
    // one frame.
    std::unique_ptr<SoundDeviceBuffer> CreateSoundBuffer(const SoundBufferDesc& desc);

    // The mixer of a Manual device (null otherwise).
    Mixer* GetManualMixer() const;

    // Linear gain of the music or the effects, 0 … 1, for every buffer on that bus. Kept while the
    // device is closed and applied when it opens again.
    void SetBusGain(SoundBus bus, float gain);
    float GetBusGain(SoundBus bus) const { return busGain_[static_cast<size_t>(bus)]; }

    static bool IsValidDesc(const SoundBufferDesc& desc);

private:
    bool OpenAudioDevice();

    bool open_ = false;
    SoundOutput output_ = SoundOutput::Null;
    std::shared_ptr<Mixer> mixer_;  // shared with the buffers, which unregister from it
    uint32_t audioDevice_ = 0;      // SDL_AudioDeviceID, 0 when none
    std::array<float, 2> busGain_{1.0f, 1.0f};
};

}  // namespace platform
