#pragma once

// A state-variable filter (trapezoidal integration), stable under fast cutoff sweeps, which is
// what the pitch-and-filter sweeps of the effects need.
class Filter final {
public:
    enum class Mode { Low, High, Band, Notch };

    Filter(Mode mode, float resonance) : mode_(mode), k_(1.0f / resonance) {}

    // Sets the cutoff (Hz) for the next samples; clamped below the Nyquist limit.
    void SetCutoff(float hz, int rate);
    float Process(float in);
    void Reset() { ic1_ = ic2_ = 0.0f; }

private:
    Mode mode_;
    float k_;
    float a1_ = 1.0f, a2_ = 0.0f, a3_ = 0.0f;
    float ic1_ = 0.0f, ic2_ = 0.0f;
};
