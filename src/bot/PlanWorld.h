#pragma once

#include <optional>

// Something the frog can stand on, as it will be at the asked moment.
struct Ride {
    const void* id = nullptr;  // tells two objects apart; never dereferenced
    float x = 0.0f;            // centre at the asked moment
    float speed = 0.0f;        // world units per second, signed
    bool snaps = false;        // the frog is steered onto its landing spot
    int landingOffsetX = 0;    // landing spot relative to the centre, for snapping objects
    bool truck = false;
    // Boxes strike a frog on the row below them, and a frog jumping up onto one is steered
    // under it on its way: it can only be boarded from the side or from above.
    bool strikesFromAbove = false;
    // Seconds a frog landing on it may stay before the object kills it or sinks under it.
    float safeSeconds = 1.0e9f;
};

// What the planner may ask of the world: predictions from what a player sees, never changes.
// Times are seconds from now; points are whole world units.
class PlanWorld {
public:
    virtual ~PlanWorld() = default;

    virtual bool IsOutside(int x, int y) const = 0;
    virtual bool IsWater(int x, int y) const = 0;
    // Traffic or a fixed blocker on the point t seconds from now.
    virtual bool IsBlockedAfter(int x, int y, float t) const = 0;
    // The object that will be under the point t seconds from now, if the frog can stand on it.
    virtual std::optional<Ride> RideAfter(int x, int y, float t) const = 0;
    // A danger that strikes a frog whose logical position is (x, y) at t: a piranha on its row
    // (only an idle frog) or a box passing over it on the row above.
    virtual bool IsAmbushed(int x, int y, float t, bool idle) const = 0;
};
