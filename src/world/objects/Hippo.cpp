#include "world/objects/Hippo.h"

#include <cstdio>
#include <utility>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "platform/Messages.h"

namespace {
constexpr int kFaultExit = -1;
}  // namespace

Hippo::Hippo(std::string name) : RiverObject(std::move(name), KIND_HIPPO, true) {}

bool Hippo::AttachToTrack(ObjectTrack& track, bool randomX) {
    RiverObject::AttachToTrack(track, randomX);
    LoadExtent("hippo");
    SettingsManager& settings = SettingsManager::Instance();
    diveDelay_ = settings.GetFloat("hippoWaitBeforeDiveInterval");
    offsetX_ = settings.GetInt("hippoOffsetX");
    offsetY_ = settings.GetInt("hippoOffsetY");
    return true;
}

void Hippo::OnFrogLanded(Frog&) {
    angryTimer_ = 0.0f;
    PlaySound("SOUND_HIPPO_ANGRY");
    SetState(kStateAngryOrDrowning);
}

// The frog leaving does not calm the hippo down.
void Hippo::OnFrogLeft(Frog&) {}

void Hippo::Update(float dt) {
    RiverObject::Update(dt);
    if (state_ != kStateAngryOrDrowning) return;
    angryTimer_ += dt;
    if (angryTimer_ >= diveDelay_) {
        PlaySound("SOUND_DIVE");
        SetState(kStateDiving);
    }
}

const std::string& Hippo::GetSpriteName() const {
    static const std::string kSwimming = MakeAssetKey("HIPPO_SWIMMING");
    static const std::string kDiving = MakeAssetKey("HIPPO_DIVING");
    static const std::string kInvisible = MakeAssetKey("INVISIBLE_OBJECT");
    switch (state_) {
    case kStateSwimming:
    case kStateAngryOrDrowning: return kSwimming;
    case kStateDiving: return kDiving;
    case kStateUnderWater: return kInvisible;
    default:
        std::fprintf(stderr, "Hippo: impossible state %d\n", state_);
        platform::PostQuitMessage(kFaultExit);
        return kInvisible;
    }
}
