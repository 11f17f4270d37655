#include "game/VolumeSteps.h"

#include <algorithm>
#include <cmath>

#include "settings/RememberedOptions.h"

static_assert(VolumeSteps::kMax == RememberedOptions::kMaxVolume, "the remembered volumes use the same steps");

int VolumeSteps::Clamp(int step) { return std::clamp(step, 0, kMax); }

float VolumeSteps::Gain(int step) {
    step = Clamp(step);
    if (step == 0) return 0.0f;
    return std::pow(10.0f, -kDbPerStep * static_cast<float>(kMax - step) / 20.0f);
}

std::string VolumeSteps::Percent(int step) { return std::to_string(Clamp(step) * kPercentPerStep) + " %"; }
