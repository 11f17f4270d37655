#include "Filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void Filter::SetCutoff(float hz, int rate) {
    const float nyquistGuard = 0.45f * static_cast<float>(rate);
    const float fc = std::clamp(hz, 10.0f, nyquistGuard);
    const float g = std::tan(std::numbers::pi_v<float> * fc / static_cast<float>(rate));
    a1_ = 1.0f / (1.0f + g * (g + k_));
    a2_ = g * a1_;
    a3_ = g * a2_;
}

float Filter::Process(float in) {
    const float v3 = in - ic2_;
    const float v1 = a1_ * ic1_ + a2_ * v3;
    const float v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2.0f * v1 - ic1_;
    ic2_ = 2.0f * v2 - ic2_;
    switch (mode_) {
    case Mode::Low: return v2;
    case Mode::High: return in - k_ * v1 - v2;
    case Mode::Band: return v1;
    case Mode::Notch: return in - k_ * v1;
    }
    return v2;
}
