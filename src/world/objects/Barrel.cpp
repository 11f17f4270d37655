#include "world/objects/Barrel.h"

#include <utility>

#include "core/StringUtil.h"

Barrel::Barrel(std::string name) : RiverObject(std::move(name), KIND_BARREL, false) {}

bool Barrel::AttachToTrack(ObjectTrack& track, bool randomX) {
    RiverObject::AttachToTrack(track, randomX);
    snapsFrog_ = true;
    frogLandingOffsetX_ = 0.0f;
    LoadExtent("barrel");
    LoadOffset("barrel");
    return true;
}

const std::string& Barrel::GetSpriteName() const {
    static const std::string kSwimming = MakeAssetKey("BARREL_SWIMMING");
    static const std::string kInvisible = MakeAssetKey("INVISIBLE_OBJECT");
    return state_ == kStateSwimming ? kSwimming : kInvisible;
}
