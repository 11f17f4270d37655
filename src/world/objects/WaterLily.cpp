#include "world/objects/WaterLily.h"

#include <utility>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"

WaterLily::WaterLily(std::string name) : RiverObject(std::move(name), KIND_WATER_LILY, false) {}

bool WaterLily::AttachToTrack(ObjectTrack& track, bool randomX) {
    RiverObject::AttachToTrack(track, randomX);
    snapsFrog_ = true;
    frogLandingOffsetX_ = 0.0f;
    LoadExtent("waterLily");
    LoadOffset("waterLily");
    // The lily shares the hippo's wait.
    diveDelay_ = SettingsManager::Instance().GetFloat("hippoWaitBeforeDiveInterval");
    return true;
}

void WaterLily::OnFrogLanded(Frog&) {
    frogAboard_ = true;
    diveTimer_ = 0.0f;
}

void WaterLily::Update(float dt) {
    RiverObject::Update(dt);
    if (!frogAboard_ || state_ != kStateSwimming) return;
    diveTimer_ += dt;
    if (diveTimer_ >= diveDelay_) {
        PlaySound("SOUND_DIVE");
        SetState(kStateDiving);
    }
}

const std::string& WaterLily::GetSpriteName() const {
    static const std::string kSwimming = MakeAssetKey("WATER_LILY_SWIMMING");
    static const std::string kDiving = MakeAssetKey("WATER_LILY_DIVING");
    static const std::string kInvisible = MakeAssetKey("INVISIBLE_OBJECT");
    if (state_ == kStateSwimming) return kSwimming;
    if (state_ == kStateDiving) return kDiving;
    return kInvisible;
}
