#include "world/Frog.h"

#include <algorithm>
#include <cstdio>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "world/objects/Box.h"
#include "world/objects/ObjectKinds.h"
#include "world/objects/SpriteDrawing.h"
#include "world/objects/TrackObject.h"
#include "world/objects/Truck.h"
#include "platform/Messages.h"
#include "world/BlockInfo.h"
#include "world/FrogState.h"
#include "world/GameContext.h"
#include "world/LevelInfo.h"
#include "world/Screen.h"
#include "world/World.h"
#include "world/WorldCell.h"

namespace {

// What each state shows and plays when it is entered. offsetName is the state's settings name
// (frog…OffsetX / frog…OffsetY); the truck kills and the show-down have none.
struct StateInfo {
    const char* offsetName;
    const char* sprite;
    const char* sound;
    const char* secondSound;
};

constexpr StateInfo kStates[kFrogStateCount] = {
    {nullptr, "INVISIBLE_OBJECT", nullptr, nullptr},                   // 0
    {"FS_IDLE", "FROG_IDLE", nullptr, nullptr},                        // 1
    {"FS_MOVE_LEFT", "FROG_MOVE_LEFT", "SOUND_FROG_MOVE", nullptr},    // 2
    {"FS_MOVE_RIGHT", "FROG_MOVE_RIGHT", "SOUND_FROG_MOVE", nullptr},  // 3
    {"FS_MOVE_UP", "FROG_MOVE_UP", "SOUND_FROG_MOVE", nullptr},        // 4
    {"FS_MOVE_DOWN", "FROG_MOVE_DOWN", "SOUND_FROG_MOVE", nullptr},    // 5
    {"FS_MOVE_DOWN_TRUCK_DOWN", "FROG_MOVE_DOWN_TRUCK_DOWN", "SOUND_FROG_MOVE", nullptr},
    {"FS_MOVE_UP_TRUCK_UP", "FROG_MOVE_UP_TRUCK_UP", "SOUND_FROG_MOVE", nullptr},
    {"FS_MOVE_UP_TRUCK_DOWN", "FROG_MOVE_UP_TRUCK_DOWN", "SOUND_FROG_MOVE", nullptr},
    {"FS_ROCKET_JUMP", "FROG_ROCKET_JUMP", "SOUND_FROG_JUMP", nullptr},
    {"FS_ROCKET_JUMP_BOARDING", "FROG_ROCKET_JUMP_BOARDING", "SOUND_FROG_JUMP", nullptr},
    {"FS_CATCH_INSECT", "FROG_CATCH_INSECT", nullptr, nullptr},
    {"FS_PIERCED", "FROG_PIERCED", "SOUND_FROG_PIERCED", nullptr},
    {"FS_KNOCKED_OVER", "FROG_KNOCKED_OVER", "SOUND_FROG_KNOCKED_OVER", nullptr},
    {"FS_DROWN", "FROG_DROWN", "SOUND_FROG_DROWN", nullptr},
    {"FS_FINISH", "FROG_FINISH", nullptr, nullptr},  // its sound depends on the frogs left
    {"FS_IN_GOAL", "FROG_IN_GOAL", nullptr, nullptr},
    // 17 … 21, the truck kills: the frog's picture and its second sound come from the truck's kind.
    {nullptr, nullptr, "SOUND_TRUCK_BREAK", nullptr},
    {nullptr, nullptr, "SOUND_TRUCK_BREAK", nullptr},
    {nullptr, nullptr, "SOUND_TRUCK_BREAK", nullptr},
    {nullptr, nullptr, "SOUND_TRUCK_BREAK", nullptr},
    {nullptr, nullptr, "SOUND_TRUCK_BREAK", nullptr},
    {"FS_KILL_BOX_DROWN", "FROG_KILL_BOX_DROWN", nullptr, nullptr},  // the box's command plays it
    {"FS_KILL_BOX_BOMB", "FROG_KILL_BOX_BOMB", "SOUND_FROG_KILL_BOX_BOMB", nullptr},
    {"FS_KILL_BOX_HAMMER", "FROG_KILL_BOX_HAMMER", "SOUND_FROG_KILL_BOX_HAMMER", nullptr},
    {"FS_KILL_BOX_RED_BUTTON", "FROG_KILL_BOX_RED_BUTTON", "SOUND_FROG_KILL_BOX_RED_BUTTON", nullptr},
    {"FS_KILL_PIRANHA", "FROG_KILL_PIRANHA", "SOUND_FROG_KILL_PIRANHA", nullptr},
    {nullptr, "FROG_SHOW_DOWN_WAIT", nullptr, nullptr},                    // 27
    {nullptr, "FROG_FINISH", "SOUND_LEVEL_FINISHED_FULL_LEVEL", nullptr},  // 28
};

// World units of each jump (positive y is up), by state.
constexpr int kJumpDistances[kFrogStateCount] = {0, 0, -40, 40, 75, -75, -85, 85, 65, 140, 150};

// Jumps between and off trucks.
constexpr int kTruckDownDistance = -85;
constexpr int kRocketJumpDistance = 140;
constexpr int kShortTruckJumpDistance = 65;
// Steering onto a moving landing spot: nothing before 20 % of the jump, the spot itself from 80 %.
constexpr float kSteerStart = 0.2f;
constexpr float kSteerEnd = 0.8f;
// The box's drowning gurgle starts in this window of the state time.
constexpr float kBoxDrownSoundStart = 0.75f;
constexpr float kBoxDrownSoundEnd = 1.0f;
// A killing box's carrier is held in this state.
constexpr int kCarrierStateHeld = 2;

constexpr const char* kIdleSound = "SOUND_FROG_IDLE";

bool IsTruck(const TrackObject* object) { return dynamic_cast<const Truck*>(object) != nullptr; }

// The kind record of a truck the frog rides; null on anything else.
const ObjectKind* TruckKind(const TrackObject* object) {
    return IsTruck(object) ? FindObjectKind(object->GetKind()) : nullptr;
}

}  // namespace

Frog::Frog() : GameObject("Frog") {}

World& Frog::GetWorld() const { return context_->GetWorld(); }

int Frog::JumpDistance(int state) { return state >= 0 && state <= FS_ROCKET_JUMP_BOARDING ? kJumpDistances[state] : 0; }

void Frog::Impossible(const char* what, int number) const {
    std::fprintf(stderr, "frog: impossible %s %d\n", what, number);
    platform::PostQuitMessage(-1);
}

float Frog::AnimationLength(const std::string& key) const {
    if (context_ == nullptr) return 0.0f;
    return sprite_drawing::AnimationLength(context_->GetSprite(key, false));
}

float Frog::CurrentAnimationLength() const { return AnimationLength(GetSpriteName()); }

float Frog::JumpProgress() const {
    const float length = CurrentAnimationLength();
    return length > 0.0f ? stateTime_ / length : 1.0f;
}

void Frog::LoadOffsets() {
    SettingsManager& s = SettingsManager::Instance();
    const IntPoint base{s.GetInt("frogDefaultOffsetX"), s.GetInt("frogDefaultOffsetY")};
    for (int i = 0; i < kFrogStateCount; ++i) {
        drawOffsets_[i] = base;
        if (kStates[i].offsetName == nullptr) continue;
        // FS_MOVE_UP → frogmoveup: underscores removed, lowered, the leading "fs" becoming "frog".
        const std::string key = "frog" + MakeAssetKey(kStates[i].offsetName).substr(2);
        drawOffsets_[i].x += s.GetInt(key + "OffsetX");
        drawOffsets_[i].y += s.GetInt(key + "OffsetY");
    }
}

void Frog::Restart() {
    SettingsManager& s = SettingsManager::Instance();
    World& world = GetWorld();
    LevelInfo& level = world.GetLevelInfo();
    const std::string cell = StringFormat("_%02d_%02d", level.worldIndex, level.levelIndex);
    const IntPoint start =
        world.GetGrid().CellCenter(s.GetInt("frogStartCellLat" + cell), s.GetInt("frogStartCellLong" + cell));
    SetPosition(static_cast<float>(start.x), static_cast<float>(start.y));
    catchInsectsDistance_ = s.GetFloat("catchInsectsDistance");
    rocketJumpLookAhead_ = s.GetFloat("frogRocketJumpInterval");
    hammerDownOffset_ = {static_cast<int>(s.GetFloat("HammerDownOffsetX")),
                         static_cast<int>(s.GetFloat("HammerDownOffsetY"))};
    explosionOffset_ = {static_cast<int>(s.GetFloat("explosionOffsetX")),
                        static_cast<int>(s.GetFloat("explosionOffsetY"))};
    SetState(FS_IDLE);
    ResetStateTime();
    pendingCommand_.reset();
    LoadOffsets();
    knockedOverOffset_ = {};
    animationDone_ = false;
    SetCarrier(nullptr);
    target_ = nullptr;
    LoadExtent("frog");
    level.ResetLevelTime();
    context_->ResetScrollTarget();
    previousPosition_ = GetRoundedPosition();
    killingBox_ = nullptr;
}

void Frog::PlayStateSounds(int state) {
    if (context_ == nullptr) return;
    const StateInfo& info = kStates[state];
    if (state == FS_FINISH) {
        context_->PlaySound(GetWorld().GetLevelInfo().frogsLeftToGoal != 0 ? "SOUND_LEVEL_FINISHED"
                                                                           : "SOUND_LEVEL_FINISHED_FULL_LEVEL");
        return;
    }
    if (info.sound) context_->PlaySound(info.sound);
    if (info.secondSound) context_->PlaySound(info.secondSound);
    if (IsTruckKill(state)) {
        const ObjectKind* truck = TruckKind(carrier_);
        if (truck != nullptr && truck->frogKillSound != nullptr) context_->PlaySound(truck->frogKillSound);
    }
}

int Frog::SetState(int s) {
    if (s == state_) return s;
    if (s < 0 || s >= kFrogStateCount) {
        Impossible("state", s);
        return state_;
    }
    // Up and down jumps and rocket jumps leave the carrier; sideways jumps keep riding it.
    if (s >= FS_MOVE_UP && s <= FS_ROCKET_JUMP_BOARDING) SetCarrier(nullptr);
    state_ = s;
    stateTime_ = 0.0f;
    stateSoundStarted_ = false;
    PlayStateSounds(s);
    return s;
}

const std::string& Frog::GetSpriteName() const {
    const int s = state_ >= 0 && state_ < kFrogStateCount ? state_ : 0;
    if (kStates[s].sprite != nullptr) return StaticAssetKey(kStates[s].sprite);
    // A truck kill shows the frog as the truck's kind says, or else by the truck's direction.
    const ObjectKind* kind = TruckKind(carrier_);
    if (kind == nullptr) return StaticAssetKey("INVISIBLE_OBJECT");
    if (kind->frogKillSprite != nullptr) return StaticAssetKey(kind->frogKillSprite);
    return carrier_->GetSpeed() < 0.0f ? StaticAssetKey("FROG_KILL_TRUCK_LEFT")
                                       : StaticAssetKey("FROG_KILL_TRUCK_RIGHT");
}

void Frog::QueueCommand(int command) { pendingCommand_ = command; }

void Frog::RequestMove(int command) {
    if (state_ != FS_IDLE && JumpProgress() <= kCommandGate) return;
    QueueCommand(command);
}

void Frog::RequestCatchInsects() { QueueCommand(FS_CATCH_INSECT); }

void Frog::SetCarrier(TrackObject* carrier) {
    TrackObject* old = carrier_;
    if (carrier != nullptr && carrier != old) carrier->OnFrogLanded(*this);
    if (old != nullptr && old != carrier) {
        old->OnFrogLeft(*this);
        old->SetFrogAboard(false);
    }
    carrier_ = carrier;
    if (carrier != nullptr) carrier->SetFrogAboard(true);
}

IntPoint Frog::GetMoveOffset() const {
    if (!IsJump(state_)) return {};
    float p = JumpProgress();
    if (p < 0.0f) p = 0.0f;
    if (p > 1.0f) p = 1.0f;
    const int covered = static_cast<int>(static_cast<float>(JumpDistance(state_)) * p);
    return IsSidewaysJump(state_) ? IntPoint{covered, 0} : IntPoint{0, covered};
}

IntPoint Frog::GetVisiblePosition() const {
    const IntPoint p = GetRoundedPosition();
    const IntPoint offset = GetMoveOffset();
    return {p.x + offset.x, p.y + offset.y};
}

IntPoint Frog::GetStateOffset() const {
    const int s = state_ >= 0 && state_ < kFrogStateCount ? state_ : 0;
    IntPoint offset = drawOffsets_[s];
    if (s == FS_KNOCKED_OVER) {
        offset.x += knockedOverOffset_.x;
        offset.y += knockedOverOffset_.y;
    }
    return offset;
}

void Frog::KnockOver(IntPoint seenOffset) {
    knockedOverOffset_ = seenOffset;
    SetState(FS_KNOCKED_OVER);
}

void Frog::ForgetObject(const TrackObject* object) {
    if (object == nullptr) return;
    if (carrier_ == object) SetCarrier(nullptr);
    if (target_ == object) target_ = nullptr;
    if (killingBox_ != nullptr && static_cast<const TrackObject*>(killingBox_) == object) killingBox_ = nullptr;
}

void Frog::RideCarrier(float dt) {
    if (carrier_ != nullptr) MoveX(carrier_->GetSpeed() * dt);
}

void Frog::Update(float dt) {
    previousPosition_ = GetRoundedPosition();
    stateTime_ += dt;
    const bool ended = stateTime_ >= CurrentAnimationLength();
    switch (state_) {
    case FS_IDLE: IdleStep(dt); break;
    case FS_MOVE_LEFT:
    case FS_MOVE_RIGHT:
    case FS_MOVE_UP:
    case FS_MOVE_DOWN:
    case FS_MOVE_DOWN_TRUCK_DOWN:
    case FS_MOVE_UP_TRUCK_UP:
    case FS_MOVE_UP_TRUCK_DOWN:
    case FS_ROCKET_JUMP:
    case FS_ROCKET_JUMP_BOARDING: JumpStep(dt); break;
    case FS_CATCH_INSECT:
    case FS_PIERCED:
        RideCarrier(dt);
        if (ended) SetState(FS_IDLE);
        break;
    case FS_KNOCKED_OVER:
    case FS_DROWN:
    case FS_KILL_PIRANHA:
        if (ended) animationDone_ = true;
        break;
    case FS_FINISH:
        if (ended) SetState(FS_IN_GOAL);
        break;
    case FS_IN_GOAL:
    case FS_SHOW_DOWN_FINISH: break;
    case FS_KILL_TRUCK_AQUARIUM:
    case FS_KILL_TRUCK_CEMENT_MIXER:
    case FS_KILL_TRUCK_CHEZ_FRED:
    case FS_KILL_TRUCK_ELECTRIC:
    case FS_KILL_TRUCK_GARBAGE: {
        // The frog stays until its truck has finished the kill.
        const bool truckKilling = IsTruck(carrier_) && carrier_->GetState() == Truck::kStateKilling;
        if (!truckKilling) animationDone_ = true;
        break;
    }
    case FS_KILL_BOX_DROWN: BoxDrowningStep(); break;
    case FS_KILL_BOX_BOMB:
    case FS_KILL_BOX_HAMMER:
    case FS_KILL_BOX_RED_BUTTON:
        // The carrier is held swimming, unless it is the killing box itself (the frog jumped
        // onto the box that struck it from below): holding that one would cancel its kill
        // animation, whose end is what ends this death.
        if (carrier_ != nullptr && carrier_ != killingBox_) carrier_->SetState(kCarrierStateHeld);
        if (killingBox_ == nullptr) animationDone_ = true;
        break;
    case FS_SHOW_DOWN_WAIT:
        if (ended) SetState(FS_SHOW_DOWN_FINISH);
        break;
    default: Impossible("state", state_); return;
    }
    Redraw();
}

void Frog::Redraw() {
    const IntPoint offset = GetStateOffset();
    SetOffset(offset.x, offset.y);
    Draw(stateTime_, false);
    DrawOverlays();
}

void Frog::IdleStep(float dt) {
    RideCarrier(dt);
    if (pendingCommand_) {
        const int command = *pendingCommand_;
        pendingCommand_.reset();
        TryMove(command);
    }
    if (context_ == nullptr) return;
    if (state_ != FS_IDLE) {
        context_->StopSound(kIdleSound);
        return;
    }
    // The croak starts when the frog comes to rest, by the frog's own time rather than by asking
    // the sound device whether it still plays: a real device and a headless run would answer
    // differently, and a replay must start the same sounds on the same ticks.
    if (!stateSoundStarted_) {
        context_->PlaySound(kIdleSound);
        stateSoundStarted_ = true;
    }
    const float idleLength = AnimationLength(StaticAssetKey("FROG_IDLE"));
    if (idleLength > 0.0f && stateTime_ / idleLength > 1.0f) {
        ResetStateTime();
        context_->PlaySound(kIdleSound);  // the croak starts over with the animation
    }
}

void Frog::JumpStep(float dt) {
    RideCarrier(dt);
    const float length = CurrentAnimationLength();
    const float p = length > 0.0f ? stateTime_ / length : 1.0f;
    if (target_ != nullptr && target_->SnapsFrog()) {
        const float landingX = static_cast<float>(static_cast<int>(target_->GetX() + target_->GetFrogLandingOffsetX()));
        if (p >= kSteerEnd) {
            SetX(landingX);
        } else if (p > kSteerStart) {
            const float remaining = kSteerEnd * length - stateTime_;
            const float wantedX = landingX + target_->GetSpeed() * remaining;
            const float share = remaining > 0.0f ? std::min(dt / remaining, 1.0f) : 1.0f;
            MoveX(share * (wantedX - x_));
        }
    }
    if (stateTime_ >= length) {
        const int distance = JumpDistance(state_);
        if (IsSidewaysJump(state_)) {
            MoveX(static_cast<float>(distance));
        } else {
            MoveY(static_cast<float>(distance));
        }
        SetState(FS_IDLE);
        SetCarrier(target_);
    }
}

void Frog::BoxDrowningStep() {
    // Once per sinking, counted in the frog's own time (as the idle croak).
    if (context_ != nullptr && !stateSoundStarted_ && stateTime_ >= kBoxDrownSoundStart &&
        stateTime_ < kBoxDrownSoundEnd) {
        context_->PlaySound("SOUND_FROG_DROWN");
        stateSoundStarted_ = true;
    }
    if (stateTime_ >= CurrentAnimationLength()) animationDone_ = true;
}

void Frog::Refuse() {
    // A refused move lands on nothing: a target kept from it would shield the frog from traffic.
    target_ = nullptr;
    SetState(FS_IDLE);
    if (context_ != nullptr) context_->PlaySound("SOUND_FROG_BLOCKED_MOVE");
}

bool Frog::TryDeathCommand(int command) {
    switch (command) {
    case FS_CATCH_INSECT:
        SetState(FS_CATCH_INSECT);
        context_->CatchInsects(*this);
        return true;
    case FS_PIERCED:
    case FS_KNOCKED_OVER:
    case FS_FINISH: SetState(command); return true;
    case FS_KILL_BOX_DROWN:
        context_->StartFrogDying();
        if (auto* box = dynamic_cast<Box*>(carrier_)) {
            context_->PlaySound("SOUND_FROG_KILL_BOX_DROWN");
            box->SetState(Box::kStateAngryOrDrowning);
        }
        SetState(FS_KILL_BOX_DROWN);
        return true;
    case FS_KILL_BOX_BOMB:
    case FS_KILL_BOX_HAMMER:
    case FS_KILL_BOX_RED_BUTTON:
    case FS_KILL_PIRANHA:
        context_->StartFrogDying();
        SetState(command);
        return true;
    default: return false;
    }
}

void Frog::TryMove(int command) {
    if (context_ == nullptr) return;
    if (auto* truck = dynamic_cast<Truck*>(carrier_)) {
        TryMoveOnTruck(*truck, command);
        return;
    }
    const bool sideways = command == FS_MOVE_LEFT || command == FS_MOVE_RIGHT;
    const bool vertical = command == FS_MOVE_UP || command == FS_MOVE_DOWN;
    if (!sideways && !vertical) {
        if (!TryDeathCommand(command)) Impossible("command", command);
        return;
    }
    if (sideways && carrier_ != nullptr && carrier_->SnapsFrog()) {
        Refuse();
        return;
    }
    const int dx = sideways ? JumpDistance(command) : 0;
    const int dy = vertical ? JumpDistance(command) : 0;
    const IntPoint destination{static_cast<int>(x_) + dx, static_cast<int>(y_) + dy};

    World& world = GetWorld();
    BlockInfo& blockers = BlockInfo::Instance();
    const int screenY = GetRoundedPosition().y - Round(context_->GetScrollPosition().y);
    if (screenY < 1 || screenY >= kScreenHeight || world.GetGrid().IsOutside(destination.x, destination.y) ||
        blockers.IsBlocked(destination.x, destination.y)) {
        Refuse();
        return;
    }
    const float lookAhead = vertical ? AnimationLength(StaticAssetKey("FROG_MOVE_UP")) : 0.0f;
    TrackObject* found = world.FindTrackObjectAfter(destination.x, destination.y, lookAhead);
    if (blockers.IsBlockedAfter(destination.x, destination.y, lookAhead)) {
        Refuse();
        return;
    }
    target_ = found;
    if (IsTruck(found)) {
        // Trucks are boarded from below only.
        if (command != FS_MOVE_UP) {
            Refuse();
            return;
        }
        SetState(FS_MOVE_UP_TRUCK_UP);
        return;
    }
    SetState(command);
}

void Frog::TryMoveOnTruck(Truck& truck, int command) {
    switch (command) {
    case FS_MOVE_LEFT:
    case FS_MOVE_RIGHT: Refuse(); return;
    case FS_CATCH_INSECT:
    case FS_PIERCED: TryDeathCommand(command); return;
    case FS_KILL_TRUCK_AQUARIUM:
    case FS_KILL_TRUCK_CEMENT_MIXER:
    case FS_KILL_TRUCK_CHEZ_FRED:
    case FS_KILL_TRUCK_ELECTRIC:
    case FS_KILL_TRUCK_GARBAGE:
        context_->StartFrogDying();
        truck.SetState(Truck::kStateKilling);
        SetState(command);
        return;
    case FS_MOVE_DOWN:
    case FS_MOVE_UP: break;
    default: Impossible("command", command); return;
    }
    World& world = GetWorld();
    BlockInfo& blockers = BlockInfo::Instance();
    const WorldGrid& grid = world.GetGrid();
    const int x = static_cast<int>(x_);
    const int y = static_cast<int>(y_);
    if (command == FS_MOVE_DOWN) {
        const IntPoint destination{x, y + kTruckDownDistance};
        if (grid.IsOutside(destination.x, destination.y) || blockers.IsBlocked(destination.x, destination.y)) {
            Refuse();
            return;
        }
        TrackObject* below = world.FindTrackObjectAt(destination.x, destination.y);
        int next = FS_MOVE_DOWN_TRUCK_DOWN;
        target_ = nullptr;
        if (IsTruck(below)) {
            next = FS_MOVE_DOWN;
            target_ = below;
            context_->OnTruckToTruck();
        }
        SetState(next);
        return;
    }
    const IntPoint rocket{x, y + kRocketJumpDistance};
    if (grid.IsOutside(rocket.x, rocket.y)) {
        Refuse();
        return;
    }
    if (!blockers.IsBlockedAfter(rocket.x, rocket.y, rocketJumpLookAhead_) &&
        !grid.HasFlagAt(rocket.x, rocket.y, CELL_WATER)) {
        TrackObject* landing = world.FindTrackObjectAfter(rocket.x, rocket.y, rocketJumpLookAhead_);
        int next = FS_ROCKET_JUMP;
        target_ = nullptr;
        if (IsTruck(landing)) {
            next = FS_ROCKET_JUMP_BOARDING;
            target_ = landing;
            context_->OnTruckToTruck();
        }
        SetState(next);
        return;
    }
    // Water or a blocker up there: the short hop off the truck instead.
    const IntPoint hop{x, y + kShortTruckJumpDistance};
    if (blockers.IsBlocked(hop.x, hop.y)) {
        Refuse();
        return;
    }
    TrackObject* landing = world.FindTrackObjectAt(hop.x, hop.y);
    int next = FS_MOVE_UP_TRUCK_DOWN;
    target_ = nullptr;
    if (IsTruck(landing)) {
        next = FS_MOVE_UP;
        target_ = landing;
        context_->OnTruckToTruck();
    }
    SetState(next);
}

void Frog::DrawOverlays() {
    if (killingBox_ == nullptr || context_ == nullptr) return;
    const char* name = nullptr;
    IntPoint offset;
    if (killingBox_->GetKind() == KIND_BOX_HAMMER) {
        name = "HAMMER_DOWN";
        offset = hammerDownOffset_;
    } else if (killingBox_->GetKind() == KIND_BOX_BOMB) {
        name = "EXPLOSION";
        offset = explosionOffset_;
    }
    if (name == nullptr) return;
    Sprite* sprite = context_->GetSprite(StaticAssetKey(name), false);
    if (sprite == nullptr) return;
    const IntPoint screen = ToScreen(GetRoundedPosition(), context_->GetScrollPosition());
    sprite_drawing::DrawAt(*sprite, stateTime_, true, screen.x + offset.x, screen.y - offset.y,
                           sprite_drawing::kAtPoint);
}
