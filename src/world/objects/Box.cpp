#include "world/objects/Box.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "world/Frog.h"
#include "world/FrogState.h"
#include "world/GameContext.h"
#include "world/ObjectTrack.h"
#include "world/World.h"

namespace {
// The kind's record when it is a box kind.
const ObjectKind* BoxRecord(int kind) { return IsKindOf(kind, KindFamily::Box) ? FindObjectKind(kind) : nullptr; }

int Truncated(const char* key) { return static_cast<int>(SettingsManager::Instance().GetFloat(key)); }
}  // namespace

Box::Box(std::string name, int kind) : RiverObject(std::move(name), kind, false) {}

bool Box::AttachToTrack(ObjectTrack& track, bool randomX) {
    RiverObject::AttachToTrack(track, randomX);
    snapsFrog_ = true;
    frogLandingOffsetX_ = 0.0f;
    LoadExtent("box");
    LoadOffset("box");
    killDelay_ = SettingsManager::Instance().GetFloat("boxWaitBeforeKillInterval");
    boxOffsetX_ = Truncated("boxOffsetX");
    boxOffsetY_ = Truncated("boxOffsetY");
    drownOffsetX_ = Truncated("boxKillDrownOffsetX");
    drownOffsetY_ = Truncated("boxKillDrownOffsetY");
    RememberPosition();
    return true;
}

void Box::OnFrogLanded(Frog&) {
    frogAboard_ = true;
    killTimer_ = 0.0f;
}

void Box::Update(float dt) {
    RiverObject::Update(dt);
    if (state_ == kStateAngryOrDrowning && stateTime_ >= CurrentAnimationLength()) {
        SetState(kStateSwimming);
    } else if (state_ == kStateKilling && stateTime_ >= CurrentAnimationLength()) {
        Frog* frog = GetFrog();
        if (frog != nullptr && frog->GetKillingBox() == this) frog->SetKillingBox(nullptr);
        SetState(kStateRemove);
    }
    CheckPassOver();
    if (frogAboard_ && state_ == kStateSwimming) {
        killTimer_ += dt;
        if (killTimer_ >= killDelay_) {
            if (Frog* frog = GetFrog()) frog->QueueCommand(FS_KILL_BOX_DROWN);
            killTimer_ = 0.0f;
        }
    }
}

void Box::CheckPassOver() {
    // Only a box still swimming strikes: one that is killing or finished stays so.
    if (context_ == nullptr || track_ == nullptr || state_ != kStateSwimming) return;
    const GameState gameState = context_->GetGameState();
    if (gameState != kStatePlaying && gameState != kStateTitleMenu) return;
    Frog* frog = context_->GetFrog();
    if (frog == nullptr) return;
    const int bx = static_cast<int>(x_);
    const int px = static_cast<int>(frog->GetX());
    const int pf = frog->GetPreviousPosition().x;
    const int low = std::min(prevX_, bx);
    const int high = std::max(prevX_, bx);
    const bool swept = (pf >= low && pf <= high) || (px >= low && px <= high);
    if (!swept) return;
    const WorldGrid& grid = track_->GetWorld().GetGrid();
    const IntPoint boxPosition = GetRoundedPosition();
    const IntPoint frogPosition = frog->GetRoundedPosition();
    const int boxRow = grid.PositionToCell(boxPosition.x, boxPosition.y).y;
    const int frogRow = grid.PositionToCell(frogPosition.x, frogPosition.y).y;
    if (frogRow != boxRow - 1) return;
    frog->QueueCommand(KillCommand());
    frog->SetKillingBox(this);
    SetState(kStateKilling);
}

void Box::Draw(float animTime, bool mirrored) {
    if (state_ == kStateAngryOrDrowning) {
        offsetX_ = drownOffsetX_;
        offsetY_ = drownOffsetY_;
    } else {
        offsetX_ = boxOffsetX_;
        offsetY_ = boxOffsetY_;
    }
    RiverObject::Draw(animTime, mirrored);
}

int Box::KillCommand() const {
    const ObjectKind* record = BoxRecord(kind_);
    return record != nullptr ? record->killCommand : FS_KILL_BOX_BOMB;
}

const std::string& Box::GetSpriteName() const {
    static const std::string kSwimming = MakeAssetKey("BOX_SWIMMING");
    static const std::string kDrown = MakeAssetKey("BOX_DROWN_KILL");
    static const std::string kInvisible = MakeAssetKey("INVISIBLE_OBJECT");
    static const std::vector<std::string> kKill = [] {
        std::vector<std::string> keys;
        for (const ObjectKind& record : ObjectKinds()) {
            keys.push_back(record.killSprite != nullptr ? MakeAssetKey(record.killSprite) : std::string());
        }
        return keys;
    }();
    if (state_ == kStateSwimming) return kSwimming;
    if (state_ == kStateAngryOrDrowning) return kDrown;
    if (state_ == kStateKilling && BoxRecord(kind_) != nullptr) return kKill[kind_];
    return kInvisible;
}

void Box::RememberPosition() {
    const IntPoint p = GetRoundedPosition();
    prevX_ = p.x;
    prevY_ = p.y;
}

void Box::SetPosition(float x, float y) {
    RememberPosition();
    RiverObject::SetPosition(x, y);
}

void Box::Move(float dx, float dy) {
    RememberPosition();
    RiverObject::Move(dx, dy);
}

void Box::MoveX(float dx) {
    RememberPosition();
    RiverObject::MoveX(dx);
}

void Box::MoveY(float dy) {
    RememberPosition();
    RiverObject::MoveY(dy);
}
