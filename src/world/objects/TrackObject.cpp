#include "world/objects/TrackObject.h"

#include <utility>

#include "core/Randomizer.h"
#include "world/objects/SpriteDrawing.h"
#include "world/Frog.h"
#include "world/GameContext.h"
#include "world/ObjectTrack.h"
#include "world/Screen.h"

TrackObject::TrackObject(std::string name, int kind) : GameObject(std::move(name)), kind_(kind) {}

TrackObject::~TrackObject() {
    if (context_ == nullptr) return;
    if (Frog* frog = context_->GetFrog()) frog->ForgetObject(this);
}

void TrackObject::Update(float dt) {
    stateTime_ += dt;
    Draw(stateTime_, TrackRunsLeft());
    PostDraw();
}

bool TrackObject::AttachToTrack(ObjectTrack& track, bool randomX) {
    track_ = &track;
    context_ = track.GetContext();
    float x = 0.0f;
    if (randomX) {
        x = static_cast<float>(Randomizer::Instance().Next() % (kScreenWidth + 1));
    } else {
        x = track.GetDirection() == ObjectTrack::kDirectionRight ? 0.0f : static_cast<float>(kScreenWidth);
    }
    SetPosition(x, static_cast<float>(track.GetCenterY()));
    return true;
}

void TrackObject::OnFrogLanded(Frog&) { frogAboard_ = true; }

void TrackObject::OnFrogLeft(Frog&) { frogAboard_ = false; }

float TrackObject::GetSpeed() const { return track_ != nullptr ? track_->GetSpeed() : 0.0f; }

bool TrackObject::TrackRunsLeft() const {
    return track_ != nullptr && track_->GetDirection() == ObjectTrack::kDirectionLeft;
}

float TrackObject::CurrentAnimationLength() const {
    if (context_ == nullptr) return 0.0f;
    return sprite_drawing::AnimationLength(context_->GetSprite(GetSpriteName(), TrackRunsLeft()));
}

void TrackObject::PlaySound(const char* name) const {
    if (context_ != nullptr) context_->PlaySound(name);
}

Frog* TrackObject::GetFrog() const { return context_ != nullptr ? context_->GetFrog() : nullptr; }
