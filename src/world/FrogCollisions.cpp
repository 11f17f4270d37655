#include "world/FrogCollisions.h"

#include <algorithm>

#include "world/objects/ObjectKinds.h"
#include "world/objects/RiverObject.h"
#include "world/objects/TrackObject.h"
#include "world/Area.h"
#include "world/BlockInfo.h"
#include "world/Frog.h"
#include "world/FrogState.h"
#include "world/GameContext.h"
#include "world/LevelInfo.h"
#include "world/World.h"
#include "world/WorldCell.h"

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
            const ObjectKind* record = FindObjectKind(hit->GetKind());
            if (record != nullptr && record->crashSound != nullptr) game.PlaySound(record->crashSound);
        }
        frog.KnockOver(frog.GetMoveOffset());
        return true;
    }
    const WorldGrid& grid = world.GetGrid();
    if (grid.IsOutside(at.x, at.y)) {
        // Carried off the side: no crash, and the knocked-over offset stays as it was. The frog
        // lies on the edge it crossed, on the last unit inside, not beyond it where a step of its
        // carrier took it.
        frog.SetPosition(std::clamp(frog.GetX(), 0.0f, static_cast<float>(grid.WidthUnits() - 1)),
                         std::clamp(frog.GetY(), 0.0f, static_cast<float>(grid.HeightUnits() - 1)));
        frog.SetState(FS_KNOCKED_OVER);
        return true;
    }
    const TrackObject* carrier = frog.GetCarrier();
    // Standing on a submerged river object is standing in the water.
    if (grid.HasFlagAt(seen.x, seen.y, CELL_WATER) && state == FS_IDLE &&
        (carrier == nullptr || carrier->GetState() == RiverObject::kStateUnderWater)) {
        frog.SetState(FS_DROWN);
        return true;
    }
    return false;
}
