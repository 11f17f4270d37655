#pragma once

// Loudness factors (0 … 1) of the ambient loops by the frog's distance to what makes the noise:
// a river fades over rows, traffic over world units, an insect over the squared distance.
class AmbientVolume final {
public:
    static float River(int rowsAway);
    static float Road(float distance);
    static float Insect(float squaredDistance);

    static constexpr float kRiverFadeRows = 40.0f;
    static constexpr float kRoadFadeUnits = 3000.0f;
    static constexpr float kInsectFadeSquared = 20000.0f;
};
