#pragma once

#include <cstdint>
#include <optional>

// The warning over a frog riding a truck in the last seconds before the truck kills it: a
// blinking call to jump and a bar that runs out with the time left.
class TruckWarning final {
public:
    // The warning starts this long before the kill.
    static constexpr float kWarningSeconds = 1.5f;

    // Fraction of the warning time still left (1 … 0), or nothing while no warning is due.
    static std::optional<float> Remaining(float killInterval, float rideSeconds);

    // Drawn centred above the frog, whose sprite centre is at screen point (x, y).
    static void Draw(int x, int y, float remaining, uint32_t nowMs);
};
