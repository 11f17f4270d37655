#include "world/objects/Piranha.h"

#include <utility>

#include "core/StringUtil.h"
#include "world/ObjectTrack.h"
#include "world/Screen.h"

Piranha::Piranha(std::string name) : TrackObject(std::move(name), KIND_NONE) {}

bool Piranha::AttachToTrack(ObjectTrack& track, bool) {
    TrackObject::AttachToTrack(track, false);
    const float x = track.GetDirection() == ObjectTrack::kDirectionLeft ? 0.0f : static_cast<float>(kScreenWidth);
    SetPosition(x, static_cast<float>(track.GetCenterY()));
    SetState(kStateSwimming);
    SetExtent(kSize, kSize);
    LoadOffset("piranha");
    return true;
}

void Piranha::Update(float dt) {
    stateTime_ += dt;
    if (state_ == kStateCaught) MoveX(kExitStep);
    // It swims against the current, so it faces the other way from the track's objects.
    Draw(stateTime_, !TrackRunsLeft() && track_ != nullptr);
    PostDraw();
}

const std::string& Piranha::GetSpriteName() const {
    static const std::string kSwimming = MakeAssetKey("PIRANHA_SWIMMING");
    static const std::string kInvisible = MakeAssetKey("INVISIBLE_OBJECT");
    return state_ == kStateSwimming ? kSwimming : kInvisible;
}
