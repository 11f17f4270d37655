#include "world/objects/Trunk.h"

#include <utility>

#include "core/StringUtil.h"

Trunk::Trunk(std::string name) : RiverObject(std::move(name), KIND_TRUNK, false) {}

bool Trunk::AttachToTrack(ObjectTrack& track, bool randomX) {
    RiverObject::AttachToTrack(track, randomX);
    LoadExtent("trunk");
    LoadOffset("trunk");
    return true;
}

const std::string& Trunk::GetSpriteName() const {
    static const std::string kSwimming = MakeAssetKey("TRUNK_SWIMMING");
    static const std::string kInvisible = MakeAssetKey("INVISIBLE_OBJECT");
    return state_ == kStateSwimming ? kSwimming : kInvisible;
}
