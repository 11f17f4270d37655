#pragma once

// Jump lengths in seconds, as the frog's animations have them; the look-ahead of the rocket jump.
struct PlanTimings {
    float up = 0.32f;
    float down = 0.32f;
    float sideways = 0.24f;
    float upOntoTruck = 0.34f;
    float downOffTruck = 0.34f;
    float shortOffTruck = 0.30f;
    float rocket = 0.55f;
    float rocketBoarding = 0.58f;
    float rocketLookAhead = 0.55f;
};
