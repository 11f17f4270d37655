#include "world/objects/RoadObject.h"

#include <string>
#include <utility>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "world/objects/SpriteDrawing.h"
#include "world/BlockInfo.h"
#include "world/FrogState.h"
#include "world/GameContext.h"

namespace {
constexpr RoadKindInfo kRoadKinds[] = {
    {KIND_RAGTOP_OPEN, "ragTopOpen", "ragtopOpen", "ragtop", "RAGTOP_OPEN_DRIVE", nullptr, "SHADOW_RAGTOP",
     "SOUND_RAGTOP_OPEN_CRASH", nullptr, 0},
    {KIND_RAGTOP_CLOSED, "ragTopClosed", "ragtopClosed", "ragtop", "RAGTOP_CLOSED_DRIVE", nullptr, "SHADOW_RAGTOP",
     "SOUND_RAGTOP_CLOSED_CRASH", nullptr, 0},
    {KIND_SMALL_CAR, "smallCar", "smallCar", "smallCar", "SMALL_CAR_DRIVE", nullptr, "SHADOW_SMALL_CAR",
     "SOUND_SMALL_CAR_CRASH", nullptr, 0},
    {KIND_TRUCK_GARBAGE, "truck", "truckGarbage", "truck", "TRUCK_GARBAGE_DRIVE", "TRUCK_GARBAGE_KILL", "SHADOW_TRUCK",
     "SOUND_TRUCK_CRASH", "truckGarbageFrogOffsetX", FS_KILL_TRUCK_GARBAGE},
    {KIND_TRUCK_CHEZ_FRED, "truck", "truckChezFred", "truck", "TRUCK_CHEZ_FRED_DRIVE", "TRUCK_CHEZ_FRED_KILL",
     "SHADOW_TRUCK", "SOUND_TRUCK_CRASH", "truckChezFredFrogOffsetX", FS_KILL_TRUCK_CHEZ_FRED},
    {KIND_TRUCK_ELECTRIC, "truck", "truckElectric", "truck", "TRUCK_ELECTRIC_DRIVE", "TRUCK_ELECTRIC_KILL",
     "SHADOW_TRUCK", "SOUND_TRUCK_CRASH", "truckElectricFrogOffsetX", FS_KILL_TRUCK_ELECTRIC},
    {KIND_TRUCK_AQUARIUM, "truck", "truckAquarium", "truck", "TRUCK_AQUARIUM_DRIVE", "TRUCK_AQUARIUM_KILL",
     "SHADOW_TRUCK", "SOUND_TRUCK_CRASH", "truckAquariumFrogOffsetX", FS_KILL_TRUCK_AQUARIUM},
    {KIND_TRUCK_CEMENT_MIXER, "truck", "truckCementMixer", "truck", "TRUCK_CEMENT_MIXER_DRIVE",
     "TRUCK_CEMENT_MIXER_KILL", "SHADOW_TRUCK", "SOUND_TRUCK_CRASH", "truckCementMixerFrogOffsetX",
     FS_KILL_TRUCK_CEMENT_MIXER},
};
}  // namespace

RoadObject::RoadObject(std::string name, int kind) : TrackObject(std::move(name), kind) {}

const RoadKindInfo* RoadObject::KindInfo(int kind) {
    if (kind < 0 || kind > kLastRoadKind) return nullptr;
    return &kRoadKinds[kind];
}

const char* RoadObject::CrashSoundName(int kind) {
    const RoadKindInfo* info = KindInfo(kind);
    return info != nullptr ? info->crashSound : nullptr;
}

bool RoadObject::AttachToTrack(ObjectTrack& track, bool randomX) {
    TrackObject::AttachToTrack(track, randomX);
    BlockInfo::Instance().RegisterBlocker(this);
    SetState(kStateDriving);
    return true;
}

bool RoadObject::IsBlockingAfter(int px, int py, float dt) const {
    return IsBlocking(static_cast<int>(static_cast<float>(px) - GetSpeed() * dt), py);
}

void RoadObject::LoadShadowOffset(const char* prefix) {
    SettingsManager& settings = SettingsManager::Instance();
    shadowOffsetX_ = settings.GetInt(std::string(prefix) + "ShadowOffsetX");
    shadowOffsetY_ = settings.GetInt(std::string(prefix) + "ShadowOffsetY");
}

void RoadObject::Draw(float animTime, bool mirrored) {
    const RoadKindInfo* info = KindInfo(kind_);
    if (context_ != nullptr && info != nullptr && context_->ShadowsOn()) {
        static std::string shadowKeys[std::size(kRoadKinds)];
        std::string& key = shadowKeys[kind_];
        if (key.empty()) key = MakeAssetKey(info->shadowSprite);
        if (Sprite* shadow = context_->GetSprite(key, mirrored)) {
            const IntPoint screen = ToScreen(GetRoundedPosition(), context_->GetScrollPosition());
            sprite_drawing::DrawAt(*shadow, 0.0f, false, shadowOffsetX_ + screen.x, screen.y - shadowOffsetY_,
                                   sprite_drawing::kAtPoint);
        }
    }
    TrackObject::Draw(animTime, mirrored);
}
