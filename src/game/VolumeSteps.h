#pragma once

#include <string>

// The music and effects volumes as the player sets them: whole steps from 0 (silent) to 10
// (full), shown as percent. Each step is the same number of decibels, so every step is heard as
// the same change, from the quietest to the loudest.
class VolumeSteps final {
public:
    static constexpr int kMax = 10;
    static constexpr int kPercentPerStep = 10;
    static constexpr float kDbPerStep = 3.0f;

    static int Clamp(int step);
    // Linear gain of a step: 0 for 0, 1 for kMax, kDbPerStep decibels between neighbours.
    static float Gain(int step);
    // "70 %"
    static std::string Percent(int step);
};
