#include "world/objects/RiverObject.h"

#include <utility>

RiverObject::RiverObject(std::string name, int kind, bool mirrorsWithTrack)
    : TrackObject(std::move(name), kind), mirrorsWithTrack_(mirrorsWithTrack) {}

bool RiverObject::AttachToTrack(ObjectTrack& track, bool randomX) {
    TrackObject::AttachToTrack(track, randomX);
    SetState(kStateSwimming);
    return true;
}

void RiverObject::Update(float dt) {
    TrackObject::Update(dt);
    if (state_ == kStateDiving && stateTime_ >= CurrentAnimationLength()) SetState(kStateUnderWater);
}

void RiverObject::Draw(float animTime, bool mirrored) { TrackObject::Draw(animTime, mirrorsWithTrack_ && mirrored); }
