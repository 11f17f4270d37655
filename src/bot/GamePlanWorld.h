#pragma once

#include <optional>
#include <vector>

#include "bot/PlanWorld.h"

class BlockingObject;
class ObjectTrack;
class TrackObject;
class World;

// The planner's questions answered from the running level: the tracks' own position
// predictions and the blockers' own look-ahead, the grid's water and the level's fixed blockers.
// It only reads; the frog and the world are never touched.
class GamePlanWorld final : public PlanWorld {
public:
    // Seconds a frog may stay on objects that sink under it or kill it, a little short of the
    // level's own timers so that the frog is off in time.
    struct Limits {
        float diveSeconds = 1.45f;
        float boxSeconds = 2.2f;
        float truckSeconds = 3.6f;
        float tickSeconds = 0.02f;
    };

    GamePlanWorld(const World& world, const Limits& limits);

    bool IsOutside(int x, int y) const override;
    bool IsWater(int x, int y) const override;
    bool IsBlockedAfter(int x, int y, float t) const override;
    std::optional<Ride> RideAfter(int x, int y, float t) const override;
    bool IsAmbushed(int x, int y, float t, bool idle) const override;

    // The ride an object offers a frog landing on it now (none for cars, piranhas and objects
    // that are diving, sunk or killing).
    std::optional<Ride> Describe(const TrackObject& object, float t) const;

private:
    const ObjectTrack* TrackOnRow(int row) const;

    const World& world_;
    Limits limits_;
    int rowHeight_ = 1;
    int firstRow_ = 0;
    std::vector<const ObjectTrack*> rows_;  // from firstRow_ upwards; null where no track lies
    std::vector<const BlockingObject*> fixedBlockers_;
    std::vector<std::vector<const BlockingObject*>> rowBlockers_;  // the tracks' blockers, by row as rows_
    std::vector<std::vector<const TrackObject*>> rowBoxes_;        // the tracks' boxes, by row as rows_
};
