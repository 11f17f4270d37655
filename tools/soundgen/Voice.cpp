#include "Voice.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Rng.h"

namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
// ln(1000): an exponential falls 60 dB in time T when its rate is this over T.
constexpr float kSixtyDb = 6.9077553f;
constexpr float kEndFadeSeconds = 0.004f;
constexpr int kFilterUpdateSamples = 8;

// The band-limiting correction for a step at phase 0 (saw and square edges), so the bright
// waves do not alias into whistles at 22050 Hz.
float PolyBlep(float t, float dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0f;
    }
    if (t > 1.0f - dt) {
        t = (t - 1.0f) / dt;
        return t * t + t + t + 1.0f;
    }
    return 0.0f;
}

class Oscillator {
public:
    Oscillator(Wave wave, float pulse, uint32_t seed) : wave_(wave), pulse_(pulse), rng_(seed) {}

    float Next(float dt, float phaseOffset) {
        float out = 0.0f;
        const float t = phase_;
        switch (wave_) {
        case Wave::Sine: out = std::sin(kTwoPi * (t + phaseOffset)); break;
        case Wave::Triangle: out = 4.0f * std::fabs(t - 0.5f) - 1.0f; break;
        case Wave::Saw: out = 2.0f * t - 1.0f - PolyBlep(t, dt); break;
        case Wave::Square: {
            out = t < pulse_ ? 1.0f : -1.0f;
            out += PolyBlep(t, dt);
            float t2 = t - pulse_;
            if (t2 < 0.0f) {
                t2 += 1.0f;
            }
            out -= PolyBlep(t2, dt);
            break;
        }
        case Wave::Noise: out = rng_.Bipolar(); break;
        }
        phase_ += dt;
        phase_ -= std::floor(phase_);
        return out;
    }

private:
    Wave wave_;
    float pulse_;
    float phase_ = 0.0f;
    Rng rng_;
};

// value(t) sweeping exponentially from `from` to `to` over `time`, then holding.
class Sweep {
public:
    Sweep(float from, float to, float time, int rate) : value_(from), target_(to > 0.0f ? to : from) {
        const float samples = std::max(1.0f, time * static_cast<float>(rate));
        step_ = std::pow(target_ / from, 1.0f / samples);
        remaining_ = static_cast<long>(samples);
    }

    float Next() {
        const float v = value_;
        if (remaining_ > 0) {
            value_ *= step_;
            --remaining_;
        } else {
            value_ = target_;
        }
        return v;
    }

private:
    float value_;
    float target_;
    float step_ = 1.0f;
    long remaining_ = 0;
};

}  // namespace

float MidiHz(float note) { return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f); }

Mono Render(const Voice& v, int rate) {
    const float fs = static_cast<float>(rate);
    const float dt = 1.0f / fs;
    const std::size_t frames = static_cast<std::size_t>(v.Length() * fs);
    Mono out(frames, 0.0f);

    Oscillator main(v.wave, v.pulse, v.seed);
    Oscillator twin(v.wave, v.pulse, v.seed * 7919u + 13u);
    Oscillator noise(Wave::Noise, 0.5f, v.seed * 104729u + 7u);
    const float twinRatio = std::pow(2.0f, v.detuneCents / 1200.0f);
    float modPhase = 0.0f;

    const float length = v.Length();
    Sweep pitch(v.hz, v.hzEnd, v.glide > 0.0f ? v.glide : length, rate);
    const bool filtered = v.cutoff > 0.0f;
    Sweep cutoff(filtered ? v.cutoff : 1.0f, v.cutoffEnd, v.filterTime > 0.0f ? v.filterTime : length, rate);
    Filter filter(v.filter, v.resonance);
    const float fmStart = v.fmIndex;
    const float fmEnd = v.fmIndexEnd >= 0.0f ? v.fmIndexEnd : v.fmIndex;

    const float decayRate = v.decay > 0.0f ? kSixtyDb / (v.decay * fs) : 0.0f;
    const float releaseRate = v.release > 0.0f ? kSixtyDb / (v.release * fs) : 1.0f;
    const std::size_t attackEnd = static_cast<std::size_t>(v.attack * fs);
    const std::size_t gateEnd = static_cast<std::size_t>(v.gate * fs);
    const std::size_t fadeFrames = static_cast<std::size_t>(kEndFadeSeconds * fs);
    float decayLevel = 1.0f;  // distance above sustain, falling
    float level = 0.0f;
    float releaseGain = 1.0f;

    for (std::size_t i = 0; i < frames; ++i) {
        const float t = static_cast<float>(i) * dt;
        float hz = pitch.Next();
        if (v.vibratoHz > 0.0f && t > v.vibratoDelay) {
            const float ramp = std::min(1.0f, (t - v.vibratoDelay) * 4.0f);
            hz *= std::pow(2.0f, ramp * v.vibratoSemis / 12.0f * std::sin(kTwoPi * v.vibratoHz * t));
        }
        float phaseOffset = 0.0f;
        if (v.fmRatio > 0.0f) {
            const float progress = static_cast<float>(i) / static_cast<float>(frames);
            const float index = fmStart + (fmEnd - fmStart) * progress;
            phaseOffset = index * std::sin(kTwoPi * modPhase) / kTwoPi;
            modPhase += hz * v.fmRatio * dt;
            modPhase -= std::floor(modPhase);
        }
        float s = main.Next(hz * dt, phaseOffset);
        if (v.detuneCents != 0.0f) {
            s = 0.5f * (s + twin.Next(hz * twinRatio * dt, phaseOffset));
        }
        if (v.noiseMix > 0.0f) {
            s = s * (1.0f - v.noiseMix) + noise.Next(0.0f, 0.0f) * v.noiseMix;
        }
        const float fc = cutoff.Next();
        if (filtered) {
            if (i % kFilterUpdateSamples == 0) {
                filter.SetCutoff(fc, rate);
            }
            s = filter.Process(s);
        }
        if (v.drive > 0.0f) {
            s = std::tanh(s * (1.0f + v.drive)) / std::tanh(1.0f + v.drive);
        }

        if (i < attackEnd) {
            level = static_cast<float>(i) / static_cast<float>(attackEnd);
        } else {
            decayLevel *= 1.0f - decayRate;
            level = v.decay > 0.0f ? v.sustain + (1.0f - v.sustain) * decayLevel : v.sustain;
        }
        if (i >= gateEnd) {
            releaseGain *= 1.0f - releaseRate;
        }
        float amp = level * releaseGain;
        if (v.tremoloHz > 0.0f) {
            amp *= 1.0f - v.tremoloDepth * 0.5f * (1.0f - std::cos(kTwoPi * v.tremoloHz * t));
        }
        if (frames - i <= fadeFrames) {
            amp *= static_cast<float>(frames - i) / static_cast<float>(fadeFrames + 1);
        }
        out[i] = s * amp * v.gain;
    }
    return out;
}
