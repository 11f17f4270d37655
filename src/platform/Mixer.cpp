#include "platform/Mixer.h"

#include <algorithm>
#include <cmath>

#include "platform/SoundDeviceBuffer.h"

namespace platform {

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

void Mixer::Mix(int16_t* out, int frames) {
    if (frames <= 0) return;
    std::lock_guard lock(mutex_);
    const size_t samples = static_cast<size_t>(frames) * kChannels;
    if (accumulator_.size() < samples) accumulator_.resize(samples);
    std::fill_n(accumulator_.begin(), samples, 0.0f);
    for (SoundDeviceBuffer* voice : voices_) voice->MixInto(accumulator_.data(), frames, kRate);
    for (size_t i = 0; i < samples; ++i) {
        const float v = std::clamp(std::nearbyint(accumulator_[i]), -32768.0f, 32767.0f);
        out[i] = static_cast<int16_t>(v);
    }
}

}  // namespace platform
