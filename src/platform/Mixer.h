#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

namespace platform {

class SoundDeviceBuffer;

// The software mixer behind the sound device: sums every playing buffer, each resampled to the
// device rate and scaled by its volume, and clips the sum to 16 bits. It runs in the audio
// device's callback; buffers register themselves while they exist.
class Mixer final {
public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;

    void Add(SoundDeviceBuffer* buffer);
    // Returns only when no mix is using the buffer any more.
    void Remove(SoundDeviceBuffer* buffer);

    // Fills `frames` interleaved stereo frames at kRate.
    void Mix(int16_t* out, int frames);

    size_t VoiceCount();

private:
    std::mutex mutex_;
    std::vector<SoundDeviceBuffer*> voices_;
    std::vector<float> accumulator_;  // kept between calls: no allocation once warmed up
};

}  // namespace platform
