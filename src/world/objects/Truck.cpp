#include "world/objects/Truck.h"

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "world/objects/SpriteDrawing.h"
#include "world/Frog.h"
#include "world/GameContext.h"
#include "world/ObjectTrack.h"

namespace {
bool IsTruckKind(int kind) { return IsKindOf(kind, KindFamily::Truck); }

// The catalogue key of a sprite name, or empty for none.
std::string KeyOf(const char* name) { return name != nullptr ? MakeAssetKey(name) : std::string(); }
}  // namespace

Truck::Truck(std::string name, int kind) : RoadObject(std::move(name), kind) {}

bool Truck::AttachToTrack(ObjectTrack& track, bool randomX) {
    RoadObject::AttachToTrack(track, randomX);
    SettingsManager& settings = SettingsManager::Instance();
    snapsFrog_ = true;
    const ObjectKind* record = KindRecord();
    if (record != nullptr && record->frogOffsetKey != nullptr) {
        // The landing spot mirrors with the sprite.
        const float offset = static_cast<float>(settings.GetInt(record->frogOffsetKey));
        frogLandingOffsetX_ = track.GetDirection() != ObjectTrack::kDirectionLeft ? -offset : offset;
    }
    LoadExtent("truck");
    LoadShadowOffset("truck");
    if (record != nullptr) LoadOffset(record->offsetPrefix);
    killInterval_ = settings.GetFloat("truckKillTimerInterval");
    starOffsetY_ = static_cast<int>(settings.GetFloat("truckVerticalOffsetStar"));
    frontNonBlockWidth_ = settings.GetFloat("truckFrontEndNonBlockAreaWidth");
    return true;
}

bool Truck::Contains(int px, int py) const {
    int w = width_;
    const float speed = GetSpeed();
    const float fx = static_cast<float>(px);
    if ((speed >= 0.0f && fx > x_) || (speed < 0.0f && fx < x_)) {
        w = static_cast<int>(static_cast<float>(width_) - frontNonBlockWidth_);
    }
    const int dx = static_cast<int>(fx - x_);
    if (2 * std::abs(dx) > w) return false;
    const int dy = static_cast<int>(static_cast<float>(py) - y_);
    return 2 * std::abs(dy) <= height_;
}

bool Truck::IsBlocking(int px, int py) const {
    const float speed = GetSpeed();
    const float fx = static_cast<float>(px);
    // The rear half does not block: the frog may jump onto it.
    if (speed >= 0.0f && fx < x_) return false;
    if (speed < 0.0f && fx > x_) return false;
    return Contains(px, py);
}

void Truck::OnFrogLanded(Frog&) {
    frogAboard_ = true;
    if (hasStar_) {
        hasStar_ = false;
        if (context_ != nullptr) context_->AddStar(*this);
        PlaySound("SOUND_FROG_PICK_STAR");
    }
    killTimer_ = 0.0f;
}

int Truck::KillCommand() const {
    const ObjectKind* record = KindRecord();
    return record != nullptr ? record->killCommand : 0;
}

void Truck::Update(float dt) {
    if (state_ == kStateKilling) {
        if (stateTime_ >= CurrentAnimationLength()) SetState(kStateDriving);
    } else if (frogAboard_) {
        // Only the frog riding this truck is killed by it, however the interval is set.
        killTimer_ += dt;
        if (killTimer_ >= killInterval_) {
            if (Frog* frog = GetFrog(); frog != nullptr && IsTruckKind(kind_)) {
                frog->QueueCommand(KillCommand());
            }
            killTimer_ = 0.0f;
        }
    }
    TrackObject::Update(dt);
}

void Truck::Draw(float animTime, bool mirrored) {
    RoadObject::Draw(animTime, mirrored);
    if (context_ == nullptr) return;
    const IntPoint screen = ToScreen(GetRoundedPosition(), context_->GetScrollPosition());
    if (hasStar_) {
        static const std::string kStar = MakeAssetKey("STAR_TRUCK");
        if (Sprite* star = context_->GetSprite(kStar, mirrored)) {
            // The star sits above the spot where the frog will land.
            sprite_drawing::DrawAt(*star, stateTime_, true, screen.x + static_cast<int>(frogLandingOffsetX_),
                                   screen.y - starOffsetY_, sprite_drawing::kCentredAtPoint);
        }
    }
    if (state_ == kStateKilling && IsTruckKind(kind_) && !SpriteKeys()[kind_].overlay.empty()) {
        // Drawn over the kill, as the frog's leg that sticks out of the mixer's drum.
        if (Sprite* overlay = context_->GetSprite(SpriteKeys()[kind_].overlay, mirrored)) {
            sprite_drawing::DrawAt(*overlay, animTime, true, offsetX_ + screen.x, screen.y - offsetY_,
                                   sprite_drawing::kAtPoint);
        }
    }
}

const std::vector<Truck::Keys>& Truck::SpriteKeys() {
    static const std::vector<Keys> keys = [] {
        std::vector<Keys> all;
        for (const ObjectKind& record : ObjectKinds()) {
            all.push_back({KeyOf(record.driveSprite), KeyOf(record.killSprite), KeyOf(record.killOverlaySprite)});
        }
        return all;
    }();
    return keys;
}

const std::string& Truck::GetSpriteName() const {
    static const std::string kInvisible = MakeAssetKey("INVISIBLE_OBJECT");
    if (!IsTruckKind(kind_)) return kInvisible;
    if (state_ == kStateDriving) return SpriteKeys()[kind_].drive;
    if (state_ == kStateKilling) return SpriteKeys()[kind_].kill;
    return kInvisible;
}
