#include "Buffer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Buffer::Buffer(int rate, int channels, std::size_t frames)
    : rate_(rate), data_(static_cast<std::size_t>(channels), Mono(frames, 0.0f)) {}

std::size_t Buffer::FrameAt(double seconds) const {
    return static_cast<std::size_t>(std::llround(std::max(0.0, seconds) * rate_));
}

void Buffer::Resize(std::size_t frames) {
    for (Mono& channel : data_) {
        channel.resize(frames, 0.0f);
    }
}

void Buffer::MixChannel(int c, const Mono& sound, std::size_t start, float gain) {
    Mono& out = Channel(c);
    const std::size_t frames = out.size();
    if (wrap_) {
        std::size_t pos = start % frames;
        for (float s : sound) {
            out[pos] += s * gain;
            if (++pos == frames) {
                pos = 0;
            }
        }
        return;
    }
    for (std::size_t i = 0; i < sound.size(); ++i) {
        out[start + i] += sound[i] * gain;
    }
}

void Buffer::Mix(const Mono& sound, double seconds, float gain, float pan) {
    const std::size_t start = FrameAt(seconds);
    if (!wrap_ && start + sound.size() > Frames()) {
        Resize(start + sound.size());
    }
    if (Channels() == 1) {
        MixChannel(0, sound, start, gain);
        return;
    }
    const float angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0f) * std::numbers::pi_v<float> / 4.0f;
    MixChannel(0, sound, start, gain * std::cos(angle));
    MixChannel(1, sound, start, gain * std::sin(angle));
    for (int c = 2; c < Channels(); ++c) {
        MixChannel(c, sound, start, gain);
    }
}

void Buffer::MixMoving(const Mono& sound, double seconds, float gain, float panFrom, float panTo) {
    if (Channels() != 2 || sound.empty()) {
        Mix(sound, seconds, gain, panFrom);
        return;
    }
    const std::size_t start = FrameAt(seconds);
    if (!wrap_ && start + sound.size() > Frames()) {
        Resize(start + sound.size());
    }
    const std::size_t frames = Frames();
    const float step = (panTo - panFrom) / static_cast<float>(sound.size());
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const float pan = std::clamp(panFrom + step * static_cast<float>(i), -1.0f, 1.0f);
        const float angle = (pan + 1.0f) * std::numbers::pi_v<float> / 4.0f;
        const std::size_t pos = wrap_ ? (start + i) % frames : start + i;
        data_[0][pos] += sound[i] * gain * std::cos(angle);
        data_[1][pos] += sound[i] * gain * std::sin(angle);
    }
}

void Buffer::Mix(const Buffer& other, double seconds, float gain) {
    const std::size_t start = FrameAt(seconds);
    if (!wrap_ && start + other.Frames() > Frames()) {
        Resize(start + other.Frames());
    }
    for (int c = 0; c < Channels(); ++c) {
        MixChannel(c, other.Channel(std::min(c, other.Channels() - 1)), start, gain);
    }
}

void Buffer::Scale(float gain) {
    for (Mono& channel : data_) {
        for (float& s : channel) {
            s *= gain;
        }
    }
}

float Buffer::Peak() const {
    float peak = 0.0f;
    for (const Mono& channel : data_) {
        for (float s : channel) {
            peak = std::max(peak, std::fabs(s));
        }
    }
    return peak;
}

float Buffer::Rms() const {
    double sum = 0.0;
    std::size_t count = 0;
    for (const Mono& channel : data_) {
        for (float s : channel) {
            sum += static_cast<double>(s) * s;
        }
        count += channel.size();
    }
    return count == 0 ? 0.0f : static_cast<float>(std::sqrt(sum / static_cast<double>(count)));
}

float DbToGain(float db) { return std::pow(10.0f, db / 20.0f); }

float GainToDb(float gain) { return 20.0f * std::log10(std::max(gain, 1e-9f)); }
