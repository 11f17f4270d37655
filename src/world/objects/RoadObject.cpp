#include "world/objects/RoadObject.h"

#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "world/objects/SpriteDrawing.h"
#include "world/BlockInfo.h"
#include "world/GameContext.h"

RoadObject::RoadObject(std::string name, int kind) : TrackObject(std::move(name), kind) {}

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
    const ObjectKind* record = KindRecord();
    if (context_ != nullptr && record != nullptr && record->shadowSprite != nullptr && context_->ShadowsOn()) {
        static std::vector<std::string> shadowKeys(ObjectKinds().size());
        std::string& key = shadowKeys[kind_];
        if (key.empty()) key = MakeAssetKey(record->shadowSprite);
        if (Sprite* shadow = context_->GetSprite(key, mirrored)) {
            const IntPoint screen = ToScreen(GetRoundedPosition(), context_->GetScrollPosition());
            sprite_drawing::DrawAt(*shadow, 0.0f, false, shadowOffsetX_ + screen.x, screen.y - shadowOffsetY_,
                                   sprite_drawing::kAtPoint);
        }
    }
    TrackObject::Draw(animTime, mirrored);
}
