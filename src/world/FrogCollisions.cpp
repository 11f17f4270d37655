#include "world/FrogCollisions.h"

#include "world/objects/TrackObject.h"
#include "world/Area.h"
#include "world/BlockInfo.h"
#include "world/Frog.h"
#include "world/FrogState.h"
#include "world/GameContext.h"
#include "world/LevelInfo.h"
#include "world/World.h"
#include "world/WorldCell.h"

namespace {

// A river object's submerged state: standing on it is standing in the water.
constexpr int kCarrierSubmerged = 4;

// The crash sound of a road object by its kind; none for other kinds.
const char* CrashSound(int kind) {
    switch (kind) {
    case KIND_RAGTOP_OPEN: return "SOUND_RAGTOP_OPEN_CRASH";
    case KIND_RAGTOP_CLOSED: return "SOUND_RAGTOP_CLOSED_CRASH";
    case KIND_SMALL_CAR: return "SOUND_SMALL_CAR_CRASH";
    case KIND_TRUCK_GARBAGE:
    case KIND_TRUCK_CHEZ_FRED:
    case KIND_TRUCK_ELECTRIC:
    case KIND_TRUCK_AQUARIUM:
    case KIND_TRUCK_CEMENT_MIXER: return "SOUND_TRUCK_CRASH";
    default: return nullptr;
    }
}

}  // namespace

bool CheckFrogCollisions(Frog& frog, World& world, GameContext& game) {
    const IntPoint seen = frog.GetVisiblePosition();
    const IntPoint at = frog.GetRoundedPosition();
    const int state = frog.GetState();

    if (world.GetLevelInfo().timeLeftSeconds < 0.0f) {
        frog.KnockOver(frog.GetMoveOffset());
        game.OnFrogTimedOut();
        return true;
    }
    const bool flying = state == FS_ROCKET_JUMP || state == FS_ROCKET_JUMP_BOARDING;
    if (!flying && frog.GetCarrier() == nullptr && frog.GetTarget() == nullptr &&
        BlockInfo::Instance().IsBlocked(seen.x, seen.y)) {
        const Area* area = world.FindAreaAt(seen.x, seen.y);
        const TrackObject* hit =
            area != nullptr && !area->IsRiver() ? world.FindTrackObjectAt(seen.x, seen.y) : nullptr;
        if (hit != nullptr) {
            if (const char* sound = CrashSound(hit->GetKind())) game.PlaySound(sound);
        }
        frog.KnockOver(frog.GetMoveOffset());
        return true;
    }
    if (world.GetGrid().IsOutside(at.x, at.y)) {
        // Carried off the side: no crash, and the knocked-over offset stays as it was.
        frog.SetState(FS_KNOCKED_OVER);
        return true;
    }
    const TrackObject* carrier = frog.GetCarrier();
    if (world.GetGrid().HasFlagAt(seen.x, seen.y, CELL_WATER) && state == FS_IDLE &&
        (carrier == nullptr || carrier->GetState() == kCarrierSubmerged)) {
        frog.SetState(FS_DROWN);
        return true;
    }
    return false;
}
