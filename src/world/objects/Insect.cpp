#include "world/objects/Insect.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "settings/SettingsManager.h"
#include "core/Randomizer.h"
#include "core/StringUtil.h"
#include "gfx/DrawParams.h"
#include "gfx/Sprite.h"
#include "world/objects/SpriteDrawing.h"
#include "platform/Messages.h"
#include "world/Frog.h"
#include "world/FrogState.h"
#include "world/GameContext.h"
#include "world/Screen.h"
#include "world/World.h"

namespace {

struct KindInfo {
    const char* flying;
    const char* piercing;
};
// Indexed by kind − 1.
constexpr KindInfo kKinds[Insect::kNumKinds] = {
    {"INSECT_BIG_BUG_FLY_LEFT", "INSECT_BIG_BUG_PIERCING"},
    {"INSECT_BUSINESS_BUG_FLY_LEFT", "INSECT_BUSINESS_BUG_PIERCING"},
    {"INSECT_BUTTERFLY_FLY_LEFT", "INSECT_BUTTERFLY_PIERCING"},
    {"INSECT_NEWS_BUG_FLY_LEFT", "INSECT_NEWS_BUG_PIERCING"},
    {"INSECT_TAXI_BUG_FLY_LEFT", "INSECT_TAXI_BUG_PIERCING"},
    {"INSECT_TOOL_BUG_FLY_LEFT", "INSECT_TOOL_BUG_PIERCING"},
    {"INSECT_VOYAGER_BUG_FLY_LEFT", "INSECT_VOYAGER_BUG_PIERCING"},
};

// A flying insect reconsiders its course about once a second.
constexpr float kDecisionInterval = 1.0f;
// Attacking insects close in half again as fast as they fly.
constexpr float kAttackSpeedFactor = 1.5f;
// The frog swallows towards its mouth, a little above its centre.
constexpr int kMouthHeight = 10;
constexpr int kNumDirections = 4;

int Round(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

}  // namespace

Insect::Insect(GameContext& game) : GameObject("Insect"), game_(game) {}

void Insect::SetPosition(float x, float y) {
    x_ = x;
    y_ = y;
}

IntPoint Insect::GetRoundedPosition() const { return {Round(x_), Round(y_)}; }

IntPoint Insect::GetViewPosition() const {
    const FloatPoint scroll = game_.GetScrollPosition();
    const IntPoint p = GetRoundedPosition();
    return {p.x - Round(scroll.x), p.y - Round(scroll.y)};
}

void Insect::Init(int kind) {
    SettingsManager& s = SettingsManager::Instance();
    kind_ = kind;
    chanceChangeDirVert_ = s.GetFloat("perCentChanceToChangeDirVert");
    chancePierce_ = s.GetFloat("perCentChancePierce");
    maxPierceDist_ = s.GetInt("maxPierceDist");
    drawOffset_ = {s.GetInt("InsectMoveOffsetGlobalX"), s.GetInt("InsectMoveOffsetGlobalY")};
    s.GetFloat("perCentChanceToChangeDirHorz");  // carried by the configuration, steers nothing
    const IntPoint p = GetRoundedPosition();
    cellIndex_ = game_.GetWorld().GetGrid().CellIndexAt(p.x, p.y);
    const float minSpeed = s.GetFloat("InsectMoveMinSpeed");
    const float maxSpeed = s.GetFloat("InsectMoveMaxSpeed");
    const int r = Randomizer::Instance().Next();
    speed_ = maxSpeed + (minSpeed - maxSpeed) * static_cast<float>(r) / static_cast<float>(Randomizer::kMax);
    eaten_ = false;
    shrinkTimer_ = 0.0f;
    shrinkInterval_ = s.GetFloat("shrinkInterval");
    approachTimer_ = 0.0f;
    maxApproachTime_ = s.GetFloat("insectMaxApproachTime");
}

const std::string& Insect::GetSpriteName() const {
    if (kind_ < 1 || kind_ > kNumKinds) return StaticAssetKey("INVISIBLE_OBJECT");
    if (state_ >= kFlyLeft && state_ <= kAttack) return StaticAssetKey(kKinds[kind_ - 1].flying);
    if (state_ == kPiercing) return StaticAssetKey(kKinds[kind_ - 1].piercing);
    return StaticAssetKey("INVISIBLE_OBJECT");
}

bool Insect::IsMirrored() const {
    switch (state_) {
    case kFlyRight:
    case kFlyDown: return true;
    case kAttack:
        if (std::abs(lastMoveX_) <= std::abs(lastMoveY_)) return lastMoveY_ < 0;
        return lastMoveX_ >= 0;
    default: return false;
    }
}

Sprite* Insect::CurrentSprite() const { return game_.GetSprite(GetSpriteName(), IsMirrored()); }

void Insect::RandomDirection() { SetState(1 + Randomizer::Instance().Next() % kNumDirections); }

bool Insect::FrogInRange(const Frog& frog) const {
    const IntPoint f = frog.GetRoundedPosition();
    const IntPoint p = GetRoundedPosition();
    const long dx = f.x - p.x;
    const long dy = f.y - p.y;
    return dx * dx + dy * dy <= static_cast<long>(maxPierceDist_) * maxPierceDist_;
}

void Insect::Update(float dt) {
    stateTime_ += dt;
    animTime_ += dt;
    dirTimer_ += dt;
    if (eaten_) {
        Swallow(dt);
    } else {
        DecideAndMove(dt);
        if (finished_) return;
    }
    Draw();
}

void Insect::DecideAndMove(float dt) {
    Frog* frog = game_.GetFrog();
    Randomizer& random = Randomizer::Instance();
    if (state_ == 0 || (dirTimer_ > kDecisionInterval && state_ != kAttack && state_ != kPiercing)) {
        dirTimer_ = 0.0f;
        int r = random.Next() % 100;
        const bool attacks =
            IsPiercer() && frog != nullptr && FrogInRange(*frog) && static_cast<float>(r) < chancePierce_;
        if (attacks) {
            SetState(kAttack);
        } else {
            if (state_ == 0) r = 0;
            if (static_cast<float>(r) < chanceChangeDirVert_) RandomDirection();
        }
    }
    switch (state_) {
    case kFlyLeft: x_ -= dt * speed_; break;
    case kFlyRight: x_ += dt * speed_; break;
    case kFlyUp: y_ += dt * speed_; break;
    case kFlyDown: y_ -= dt * speed_; break;
    case kAttack: Attack(dt, frog); break;
    case kPiercing: Pierce(frog); break;
    default:
        std::fprintf(stderr, "insect: impossible state %d\n", state_);
        platform::PostQuitMessage(-1);
        finished_ = true;
        return;
    }
    const IntPoint p = GetRoundedPosition();
    cellIndex_ = game_.GetWorld().GetGrid().CellIndexAt(p.x, p.y);
}

void Insect::Attack(float dt, Frog* frog) {
    approachTimer_ += dt;
    bool keepGoing =
        frog != nullptr && FrogInRange(*frog) && !frog->IsAnimationDone() && approachTimer_ < maxApproachTime_;
    if (keepGoing) {
        const int viewY = frog->GetRoundedPosition().y - Round(game_.GetScrollPosition().y);
        keepGoing = viewY >= 1 && viewY <= kScreenHeight - 1;
    }
    if (!keepGoing) {
        approachTimer_ = 0.0f;
        RandomDirection();
        return;
    }
    const IntPoint f = frog->GetRoundedPosition();
    const IntPoint p = GetRoundedPosition();
    const int dx = f.x - p.x;
    const int dy = f.y - p.y;
    if (dx == 0 && dy == 0) {
        if (!IsPiercer()) {
            RandomDirection();
        } else if (frog->GetState() == FS_IDLE) {
            frog->QueueCommand(FS_PIERCED);
            SetState(kPiercing);
            animTime_ = 0.0f;  // the piercing animation plays from its start
        }
        return;
    }
    const int step = static_cast<int>(dt * speed_ * kAttackSpeedFactor);
    lastMoveX_ = (dx > 0 ? 1 : -1) * std::min(step, std::abs(dx));
    lastMoveY_ = (dy > 0 ? 1 : -1) * std::min(step, std::abs(dy));
    x_ += static_cast<float>(lastMoveX_);
    y_ += static_cast<float>(lastMoveY_);
}

void Insect::Pierce(Frog* frog) {
    Sprite* sprite = CurrentSprite();
    if (sprite == nullptr || frog == nullptr || frog->IsAnimationDone()) {
        RandomDirection();
        return;
    }
    const IntPoint seen = frog->GetVisiblePosition();
    SetPosition(static_cast<float>(seen.x), static_cast<float>(seen.y));
    if (animTime_ >= sprite->GetDuration()) {
        RandomDirection();
        game_.OnInsectPierced(GetViewPosition());
    }
}

void Insect::Swallow(float dt) {
    // A frozen frame (the pause) moves nothing, also not the slide into the mouth.
    if (dt <= 0.0f) return;
    shrinkTimer_ += dt;
    Frog* frog = game_.GetFrog();
    if (shrinkTimer_ > shrinkInterval_ || frog == nullptr) {
        finished_ = true;
        return;
    }
    const IntPoint f = frog->GetRoundedPosition();
    const IntPoint p = GetRoundedPosition();
    const float share = shrinkInterval_ > 0.0f ? shrinkTimer_ / shrinkInterval_ : 1.0f;
    x_ += static_cast<float>(f.x - p.x) * share;
    y_ += static_cast<float>(f.y + kMouthHeight - p.y) * share;
}

void Insect::Catch(Frog&) {
    if (IsPiercer()) {
        SetState(kAttack);
        return;
    }
    game_.PlaySound("SOUND_FROG_EAT");
    game_.OnInsectEaten(kind_, GetViewPosition());
    eaten_ = true;
}

void Insect::Draw() {
    Sprite* sprite = CurrentSprite();
    if (sprite == nullptr) return;
    const float length = sprite->GetDuration();
    if (animTime_ > length) animTime_ -= length;
    const IntPoint p = GetRoundedPosition();
    const FloatPoint scroll = game_.GetScrollPosition();
    const int screenX = p.x + drawOffset_.x - Round(scroll.x);
    const int screenY = kScreenHeight - (p.y + drawOffset_.y) + Round(scroll.y);
    sprite->SetTime(animTime_);
    if (!eaten_) {
        sprite_drawing::DrawAt(*sprite, animTime_, true, screenX, screenY, sprite_drawing::kAtPoint);
        return;
    }
    // Swallowed: shrinking towards its centre while it slides into the mouth.
    const float f = shrinkInterval_ > 0.0f ? shrinkTimer_ / shrinkInterval_ : 1.0f;
    const float scale = 1.0f - f;
    const int width = static_cast<int>(static_cast<float>(sprite->GetWidth()) * scale);
    const int height = static_cast<int>(static_cast<float>(sprite->GetHeight()) * scale);
    if (width <= 0 || height <= 0) return;
    sprite->DrawStretched(screenX + static_cast<int>(static_cast<float>(sprite->GetWidth()) * f / 2.0f),
                          screenY + static_cast<int>(static_cast<float>(sprite->GetHeight()) * f / 2.0f), width,
                          height);
}
