#include "platform/Mixer.h"

#include <algorithm>
#include <cmath>

#include "platform/SoundDeviceBuffer.h"

namespace platform {
namespace {

constexpr float kFullScale = 32768.0f;

}  // namespace

void Mixer::Add(SoundDeviceBuffer* buffer) {
    std::lock_guard lock(mutex_);
    voices_.push_back(buffer);
}

void Mixer::Remove(SoundDeviceBuffer* buffer) {
    std::lock_guard lock(mutex_);
    voices_.erase(std::remove(voices_.begin(), voices_.end(), buffer), voices_.end());
}

size_t Mixer::VoiceCount() {
    std::lock_guard lock(mutex_);
    return voices_.size();
}

void Mixer::SetBusGain(SoundBus bus, float gain) {
    busGain_[static_cast<size_t>(bus)].store(std::clamp(gain, 0.0f, 1.0f));
}

float Mixer::GetBusGain(SoundBus bus) const { return busGain_[static_cast<size_t>(bus)].load(); }

float Mixer::LimitedLevel(float level) {
    if (level <= kLimiterKnee) return level;
    // tanh keeps the slope 1 at the knee (no audible corner) and never reaches the ceiling.
    const float room = kLimiterCeiling - kLimiterKnee;
    return kLimiterKnee + room * std::tanh((level - kLimiterKnee) / room);
}

void Mixer::Limit(size_t samples) {
    // The gain drops at once to what the loudest channel of a frame needs and climbs back
    // slowly: a peak never passes the ceiling, and the gain does not follow each wave.
    const float keep = std::exp(-1.0f / (kLimiterReleaseSeconds * static_cast<float>(kRate)));
    float deficit = limiterDeficit_;
    for (size_t i = 0; i + 1 < samples; i += kChannels) {
        deficit *= keep;
        const float peak = std::max(std::fabs(accumulator_[i]), std::fabs(accumulator_[i + 1])) / kFullScale;
        if (peak * (1.0f - deficit) > kLimiterKnee) deficit = std::max(deficit, 1.0f - LimitedLevel(peak) / peak);
        const float gain = 1.0f - deficit;
        accumulator_[i] *= gain;
        accumulator_[i + 1] *= gain;
    }
    limiterDeficit_ = deficit;
}

void Mixer::Mix(int16_t* out, int frames) {
    if (frames <= 0) return;
    std::lock_guard lock(mutex_);
    const size_t samples = static_cast<size_t>(frames) * kChannels;
    if (accumulator_.size() < samples) accumulator_.resize(samples);
    std::fill_n(accumulator_.begin(), samples, 0.0f);
    for (SoundDeviceBuffer* voice : voices_) {
        voice->MixInto(accumulator_.data(), frames, kRate, GetBusGain(voice->GetBus()));
    }
    Limit(samples);
    for (size_t i = 0; i < samples; ++i) {
        const float v = std::clamp(std::nearbyint(accumulator_[i]), -32768.0f, 32767.0f);
        out[i] = static_cast<int16_t>(v);
    }
}

}  // namespace platform
