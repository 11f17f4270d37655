#pragma once

// Whole-unit world or screen point (cells, rounded positions).
struct IntPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const IntPoint&, const IntPoint&) = default;
};

// Float world point, world units, y upwards.
struct FloatPoint {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const FloatPoint&, const FloatPoint&) = default;
};
