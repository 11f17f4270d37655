#include "bot/GamePlanWorld.h"

#include <cmath>
#include <cstdlib>

#include "world/Area.h"
#include "world/ObjectTrack.h"
#include "world/World.h"
#include "world/WorldCell.h"
#include "world/objects/BlockingObject.h"
#include "world/objects/Box.h"
#include "world/objects/Piranha.h"
#include "world/objects/RiverObject.h"
#include "world/objects/TrackObject.h"
#include "world/objects/Truck.h"

namespace {

// The frog is a few ticks off the plan at worst: traffic is kept this far from it.
constexpr int kTrafficMargin = 8;
constexpr int kTrafficMarginY = 4;
// Landing spots are kept this far inside a floating object's edge.
constexpr int kLandingMargin = 8;
constexpr int kSnapLandingMargin = 3;
// A piranha bites when its 32-unit square holds the frog; kept this far off besides.
constexpr float kPiranhaReach = 16.0f + 12.0f;
// A box kills over the span it sweeps in a frame; kept this far off besides.
constexpr float kBoxReach = 10.0f;
constexpr float kForever = 1.0e9f;

}  // namespace

GamePlanWorld::GamePlanWorld(const World& world, const Limits& limits) : world_(world), limits_(limits) {
    rowHeight_ = world.GetGrid().CellHeight() > 0 ? world.GetGrid().CellHeight() : 1;
    int lowest = -1;
    int highest = -1;
    for (const auto& area : world.GetAreas()) {
        if (lowest < 0 || area->GetFirstTrackRow() < lowest) lowest = area->GetFirstTrackRow();
        if (area->GetLastTrackRow() > highest) highest = area->GetLastTrackRow();
    }
    if (lowest >= 0) {
        firstRow_ = lowest;
        rows_.assign(static_cast<size_t>(highest - lowest + 1), nullptr);
        rowBlockers_.resize(rows_.size());
        rowBoxes_.resize(rows_.size());
        for (const auto& area : world.GetAreas()) {
            for (const auto& track : area->GetTracks()) {
                const auto row = static_cast<size_t>(track->GetRow() - lowest);
                rows_[row] = track.get();
                // Sorted out once per plan: the search asks about the same rows thousands of times.
                for (const auto& object : track->GetObjects()) {
                    if (const auto* blocker = dynamic_cast<const BlockingObject*>(object.get()))
                        rowBlockers_[row].push_back(blocker);
                    if (dynamic_cast<const Box*>(object.get())) rowBoxes_[row].push_back(object.get());
                }
            }
        }
    }
    for (const auto& object : world.GetPlacedObjects()) {
        if (const auto* blocker = dynamic_cast<const BlockingObject*>(object.get())) fixedBlockers_.push_back(blocker);
    }
}

const ObjectTrack* GamePlanWorld::TrackOnRow(int row) const {
    const int index = row - firstRow_;
    if (index < 0 || index >= static_cast<int>(rows_.size())) return nullptr;
    return rows_[static_cast<size_t>(index)];
}

bool GamePlanWorld::IsOutside(int x, int y) const { return world_.GetGrid().IsOutside(x, y); }

bool GamePlanWorld::IsWater(int x, int y) const { return world_.GetGrid().HasFlagAt(x, y, CELL_WATER); }

bool GamePlanWorld::IsBlockedAfter(int x, int y, float t) const {
    for (const BlockingObject* blocker : fixedBlockers_) {
        if (blocker->IsBlocking(x, y)) return true;
    }
    const int index = y >= 0 ? y / rowHeight_ - firstRow_ : -1;
    if (index < 0 || index >= static_cast<int>(rowBlockers_.size())) return false;
    for (const BlockingObject* blocker : rowBlockers_[static_cast<size_t>(index)]) {
        if (blocker->IsBlockingAfter(x, y, t) || blocker->IsBlockingAfter(x - kTrafficMargin, y, t) ||
            blocker->IsBlockingAfter(x + kTrafficMargin, y, t) || blocker->IsBlockingAfter(x, y - kTrafficMarginY, t) ||
            blocker->IsBlockingAfter(x, y + kTrafficMarginY, t)) {
            return true;
        }
    }
    return false;
}

std::optional<Ride> GamePlanWorld::Describe(const TrackObject& object, float t) const {
    Ride ride;
    ride.id = &object;
    ride.speed = object.GetSpeed();
    ride.x = object.GetX() + ride.speed * t;
    ride.snaps = object.SnapsFrog();
    ride.landingOffsetX = static_cast<int>(object.GetFrogLandingOffsetX());
    const int state = object.GetState();
    switch (object.GetKind()) {
    case KIND_TRUNK:
    case KIND_BARREL: ride.safeSeconds = kForever; break;
    case KIND_HIPPO:
    case KIND_WATER_LILY:
        if (state != RiverObject::kStateSwimming && state != RiverObject::kStateAngryOrDrowning) return std::nullopt;
        ride.safeSeconds = limits_.diveSeconds;
        break;
    case KIND_BOX_HAMMER:
    case KIND_BOX_RED_BUTTON:
    case KIND_BOX_BOMB:
        if (state != RiverObject::kStateSwimming) return std::nullopt;
        ride.safeSeconds = limits_.boxSeconds;
        ride.strikesFromAbove = true;
        break;
    case KIND_TRUCK_GARBAGE:
    case KIND_TRUCK_CHEZ_FRED:
    case KIND_TRUCK_ELECTRIC:
    case KIND_TRUCK_AQUARIUM:
    case KIND_TRUCK_CEMENT_MIXER:
        if (state == Truck::kStateKilling) return std::nullopt;
        ride.truck = true;
        ride.safeSeconds = limits_.truckSeconds;
        break;
    default: return std::nullopt;
    }
    return ride;
}

std::optional<Ride> GamePlanWorld::RideAfter(int x, int y, float t) const {
    const ObjectTrack* track = y >= 0 ? TrackOnRow(y / rowHeight_) : nullptr;
    if (!track) return std::nullopt;
    const auto shifted = static_cast<int>(static_cast<float>(x) - track->GetSpeed() * t);
    for (const auto& object : track->GetObjects()) {
        if (!object->Contains(shifted, y)) continue;
        const int margin = object->SnapsFrog() ? kSnapLandingMargin : kLandingMargin;
        if (!object->Contains(shifted - margin, y) || !object->Contains(shifted + margin, y)) return std::nullopt;
        return Describe(*object, t);
    }
    return std::nullopt;
}

bool GamePlanWorld::IsAmbushed(int x, int y, float t, bool idle) const {
    if (y < 0) return false;
    const int row = y / rowHeight_;
    const auto fx = static_cast<float>(x);
    if (idle) {
        if (const ObjectTrack* track = TrackOnRow(row)) {
            if (const Piranha* piranha = track->GetPiranha()) {
                const float px = piranha->GetX() + track->GetPiranhaSpeed() * t;
                if (std::fabs(px - fx) <= kPiranhaReach) return true;
            }
        }
    }
    if (const ObjectTrack* above = TrackOnRow(row + 1)) {
        const float sweep = std::fabs(above->GetSpeed()) * limits_.tickSeconds + kBoxReach;
        for (const TrackObject* object : rowBoxes_[static_cast<size_t>(row + 1 - firstRow_)]) {
            const float bx = object->GetX() + above->GetSpeed() * t;
            if (std::fabs(bx - fx) <= sweep) return true;
        }
    }
    return false;
}
