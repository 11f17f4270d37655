#include "world/objects/Box.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "world/Frog.h"
#include "world/FrogState.h"
#include "world/GameContext.h"
#include "world/ObjectTrack.h"
#include "world/World.h"

namespace {
struct BoxKind {
    int kind;
    int killCommand;
    const char* killSprite;
};

constexpr BoxKind kBoxKinds[] = {
    {KIND_BOX_HAMMER, FS_KILL_BOX_HAMMER, "BOX_HAMMER_KILL"},
    {KIND_BOX_RED_BUTTON, FS_KILL_BOX_RED_BUTTON, "BOX_RED_BUTTON_KILL"},
    {KIND_BOX_BOMB, FS_KILL_BOX_BOMB, "BOX_BOMB_KILL"},
};

const BoxKind* FindKind(int kind) {
    for (const BoxKind& entry : kBoxKinds) {
        if (entry.kind == kind) return &entry;
    }
    return nullptr;
}

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
    const int gameState = context_->GetGameState();
    if (gameState != GameContext::kStatePlaying && gameState != GameContext::kStateTitleMenu) return;
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
    const BoxKind* entry = FindKind(kind_);
    return entry != nullptr ? entry->killCommand : FS_KILL_BOX_BOMB;
}

const std::string& Box::GetSpriteName() const {
    static const std::string kSwimming = MakeAssetKey("BOX_SWIMMING");
    static const std::string kDrown = MakeAssetKey("BOX_DROWN_KILL");
    static const std::string kInvisible = MakeAssetKey("INVISIBLE_OBJECT");
    static const std::string kKill[] = {MakeAssetKey(kBoxKinds[0].killSprite), MakeAssetKey(kBoxKinds[1].killSprite),
                                        MakeAssetKey(kBoxKinds[2].killSprite)};
    if (state_ == kStateSwimming) return kSwimming;
    if (state_ == kStateAngryOrDrowning) return kDrown;
    if (state_ == kStateKilling) {
        for (size_t i = 0; i < std::size(kBoxKinds); ++i) {
            if (kBoxKinds[i].kind == kind_) return kKill[i];
        }
    }
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
