#include "Reverb.h"

#include <array>
#include <cstddef>

namespace {

// Delay lengths at 44100 Hz, mutually prime so the combs do not ring together.
constexpr std::array<int, 6> kCombs = {1116, 1277, 1422, 1557, 1617, 1813};
constexpr std::array<int, 3> kAllPasses = {556, 441, 341};
constexpr int kStereoSpread = 23;
constexpr float kAllPassFeedback = 0.5f;
constexpr float kInputGain = 0.05f;

class DelayLine {
public:
    explicit DelayLine(int length) : data_(static_cast<std::size_t>(length > 1 ? length : 1), 0.0f) {}
    float Read() const { return data_[pos_]; }
    void Write(float v) {
        data_[pos_] = v;
        if (++pos_ == data_.size()) {
            pos_ = 0;
        }
    }

private:
    std::vector<float> data_;
    std::size_t pos_ = 0;
};

int Scaled(int length44k, int rate) { return static_cast<int>(static_cast<long long>(length44k) * rate / 44100); }

// Runs `step` over the input once (or twice for loops, keeping the second pass).
template <typename Step>
Mono RunPasses(const Mono& in, bool loop, Step step) {
    Mono out(in.size(), 0.0f);
    const int passes = loop ? 2 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (std::size_t i = 0; i < in.size(); ++i) {
            out[i] = step(in[i]);
        }
    }
    return out;
}

}  // namespace

Mono Reverb::Process(const Mono& in, int rate, int spread, bool loop) const {
    std::vector<DelayLine> combs;
    std::vector<float> combLow(kCombs.size(), 0.0f);
    for (int length : kCombs) {
        combs.emplace_back(Scaled(length + spread, rate));
    }
    std::vector<DelayLine> allPasses;
    for (int length : kAllPasses) {
        allPasses.emplace_back(Scaled(length + spread, rate));
    }
    const float feedback = 0.7f + 0.28f * roomSize_;
    return RunPasses(in, loop, [&](float x) {
        const float input = x * kInputGain;
        float sum = 0.0f;
        for (std::size_t c = 0; c < combs.size(); ++c) {
            const float delayed = combs[c].Read();
            combLow[c] = delayed * (1.0f - damping_) + combLow[c] * damping_;
            combs[c].Write(input + combLow[c] * feedback);
            sum += delayed;
        }
        for (DelayLine& ap : allPasses) {
            const float delayed = ap.Read();
            ap.Write(sum + delayed * kAllPassFeedback);
            sum = delayed - sum;
        }
        return sum;
    });
}

void Reverb::Apply(Buffer& buffer, float wet, bool loop) const {
    std::vector<Mono> tails;
    for (int c = 0; c < buffer.Channels(); ++c) {
        tails.push_back(Process(buffer.Channel(c), buffer.Rate(), c * kStereoSpread, loop));
    }
    for (int c = 0; c < buffer.Channels(); ++c) {
        Mono& out = buffer.Channel(c);
        for (std::size_t i = 0; i < out.size(); ++i) {
            out[i] += tails[static_cast<std::size_t>(c)][i] * wet;
        }
    }
}

void Echo::Apply(Buffer& buffer, float wet, bool loop) const {
    const int length = static_cast<int>(seconds_ * static_cast<float>(buffer.Rate()));
    for (int c = 0; c < buffer.Channels(); ++c) {
        Mono& channel = buffer.Channel(c);
        DelayLine line(length);
        float low = 0.0f;
        const Mono echoes = RunPasses(channel, loop, [&](float x) {
            const float delayed = line.Read();
            low = delayed * (1.0f - damping_) + low * damping_;
            line.Write(x + low * feedback_);
            return delayed;
        });
        for (std::size_t i = 0; i < channel.size(); ++i) {
            channel[i] += echoes[i] * wet;
        }
    }
}
