#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/SoundBus.h"

namespace platform {

class SoundDeviceBuffer;

// The software mixer behind the sound device: sums every playing buffer, each resampled to the
// device rate and scaled by its own volume and its bus's volume, then passes the sum through a
// soft limiter so several loud sounds at once bend below full scale instead of clipping. It runs
// in the audio device's callback; buffers register themselves while they exist.
class Mixer final {
public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kBusCount = 2;

    // The limiter leaves everything below the knee untouched (about −3.6 dBFS: one effect or
    // stream alone never reaches it) and bends what lies above it towards the ceiling, which a
    // sample never passes (fractions of 16-bit full scale).
    static constexpr float kLimiterKnee = 0.66f;
    static constexpr float kLimiterCeiling = 0.97f;
    // After a peak the gain comes back over about this long.
    static constexpr float kLimiterReleaseSeconds = 0.15f;

    void Add(SoundDeviceBuffer* buffer);
    // Returns only when no mix is using the buffer any more.
    void Remove(SoundDeviceBuffer* buffer);

    // Fills `frames` interleaved stereo frames at kRate.
    void Mix(int16_t* out, int frames);

    size_t VoiceCount();

    // Linear gain of a bus, 0 … 1; any thread.
    void SetBusGain(SoundBus bus, float gain);
    float GetBusGain(SoundBus bus) const;

    // The limiter's transfer curve for one peak level (fraction of full scale): the level it is
    // brought to. Below the knee the identity; above it, a curve that flattens towards the ceiling.
    static float LimitedLevel(float level);

private:
    void Limit(size_t samples);

    std::mutex mutex_;
    std::vector<SoundDeviceBuffer*> voices_;
    std::vector<float> accumulator_;  // kept between calls: no allocation once warmed up
    std::array<std::atomic<float>, kBusCount> busGain_{1.0f, 1.0f};
    // How far the gain stands below 1, carried between calls so the release runs on smoothly.
    // Kept as the distance, not the gain, so it shrinks all the way to 0 in float.
    float limiterDeficit_ = 0.0f;
};

}  // namespace platform
