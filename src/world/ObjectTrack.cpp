#include "world/ObjectTrack.h"

#include <cfloat>
#include <cmath>
#include <utility>

#include "settings/SettingsManager.h"
#include "core/Randomizer.h"
#include "world/objects/Box.h"
#include "world/objects/Piranha.h"
#include "world/objects/TrackObject.h"
#include "world/objects/TrackObjectFactory.h"
#include "world/Area.h"
#include "world/Frog.h"
#include "world/FrogState.h"
#include "world/GameContext.h"
#include "world/Screen.h"
#include "world/World.h"

namespace {
// Piranha state: it has caught the frog and leaves.
constexpr int kPiranhaCaught = 3;
}  // namespace

ObjectTrack::ObjectTrack() : GameObject("ObjectTrack") {}

ObjectTrack::~ObjectTrack() = default;

void ObjectTrack::Init(int trackIndex, Area& area, int row, int direction, float trackSpeed, int maxObjects,
                       const SpawnParameters& spawn) {
    SettingsManager& settings = SettingsManager::Instance();
    const float piranhaSpeed = settings.GetFloat("piranhaSpeed");
    piranhaSpeed_ = direction == kDirectionRight ? -piranhaSpeed : piranhaSpeed;
    area_ = &area;
    direction_ = direction;
    speed_ = direction == kDirectionRight ? trackSpeed : -trackSpeed;
    row_ = row;
    WorldGrid& grid = area.GetWorld().GetGrid();
    centerY_ = grid.CellHeight() / 2 + grid.CellHeight() * row;
    spawn_ = spawn;
    maxObjects_ = maxObjects;
    trackIndex_ = trackIndex;
    if (area.IsRiver()) {
        for (int lat = 0; lat < grid.NumLatCells(); ++lat) {
            if (grid.IsCellInside(lat, row)) grid.GetCell(grid.CellIndex(lat, row)) |= CELL_WATER;
        }
    }
    piranhaChancePerMill_ = settings.GetInt("spawnPiranhaChancePerMill");
}

World& ObjectTrack::GetWorld() const { return area_->GetWorld(); }

GameContext* ObjectTrack::GetContext() const { return area_ != nullptr ? &area_->GetWorld().GetContext() : nullptr; }

void ObjectTrack::Advance(float dt, bool forceMove) {
    stateTime_ += dt;
    Spawn(dt);
    MoveAndUpdate(dt, ShouldMove(forceMove));
    RemoveObjectsThatLeft();
}

void ObjectTrack::Spawn(float dt) {
    spawn_.spawnTimer += dt;
    spawn_.attemptTimer += dt;
    TrySpawnPiranha();

    if (static_cast<int>(objects_.size()) >= maxObjects_) return;
    if (!EntryEdgeClear()) return;
    if (spawn_.spawnTimer <= spawn_.minSpawnInterval) return;
    if (spawn_.attemptTimer <= spawn_.attemptInterval) return;

    spawn_.attemptTimer = 0.0f;
    // The chance grows linearly to kChancePercent at the maximum interval, which still leaves one
    // draw of 0 … kChancePercent refused; past the maximum every attempt spawns, also on a track
    // whose interval span is empty.
    constexpr int kCertain = kChancePercent + 1;
    int chance = kCertain;
    if (spawn_.spawnTimer <= spawn_.maxSpawnInterval) {
        const float span = spawn_.maxSpawnInterval - spawn_.minSpawnInterval;
        chance =
            static_cast<int>((spawn_.spawnTimer - spawn_.minSpawnInterval) * static_cast<float>(kChancePercent) / span);
    }
    if (Randomizer::Instance().Next() % kCertain >= chance) return;

    TrackObjectFactory& factory = TrackObjectFactory::Instance();
    std::unique_ptr<TrackObject> object =
        area_->IsRiver() ? factory.CreateRiverObject(*this) : factory.CreateRoadObject(*this);
    TrackObject* added = AddObject(std::move(object), false);
    const float width = static_cast<float>(added->GetWidth());
    added->MoveX(speed_ >= 0.0f ? -width : width);
    spawn_.spawnTimer = 0.0f;
}

void ObjectTrack::TrySpawnPiranha() {
    if (!area_->IsRiver() || piranha_ || area_->GetAreaIndex() < kFirstPiranhaArea) return;
    // No timer is reset here: past the attempt interval this repeats every frame until a
    // regular attempt resets it.
    if (spawn_.attemptTimer <= spawn_.attemptInterval) return;
    if (Randomizer::Instance().Next() % kPiranhaPerMill >= piranhaChancePerMill_) return;
    piranha_ = std::make_unique<Piranha>("Piranha");
    piranha_->AttachToTrack(*this, false);
    piranha_->MoveX(speed_ >= 0.0f ? kPiranhaEntryDistance : -kPiranhaEntryDistance);
}

bool ObjectTrack::EntryEdgeClear() const {
    if (objects_.empty()) return true;
    const TrackObject& newest = *objects_.back();
    const float half = static_cast<float>(newest.GetWidth() / 2);
    return half < newest.GetX() && newest.GetX() < static_cast<float>(kScreenWidth) - half;
}

bool ObjectTrack::ShouldMove(bool forceMove) {
    if (forceMove) return true;
    GameContext* context = GetContext();
    const Frog* frog = context != nullptr ? context->GetFrog() : nullptr;
    if (frog == nullptr) return true;
    const IntPoint p = frog->GetRoundedPosition();
    IntPoint reference = p;
    const int state = frog->GetState();
    if (state >= FS_KILL_BOX_BOMB && state <= FS_KILL_BOX_RED_BUTTON && frog->GetKillingBox() != nullptr) {
        reference = frog->GetKillingBox()->GetRoundedPosition();
    }
    return !IsOnTrack(p.x, p.y) && !IsOnTrack(reference.x, reference.y);
}

void ObjectTrack::MoveAndUpdate(float dt, bool move) {
    if (piranha_) {
        if (move) {
            piranha_->MoveX(dt * piranhaSpeed_);
            GameContext* context = GetContext();
            Frog* frog = context != nullptr ? context->GetFrog() : nullptr;
            if (frog != nullptr) {
                const IntPoint p = frog->GetRoundedPosition();
                if (IsOnTrack(p.x, p.y) && frog->GetState() == FS_IDLE && piranha_->Contains(p.x, p.y)) {
                    piranha_->SetState(kPiranhaCaught);
                    frog->QueueCommand(FS_KILL_PIRANHA);
                }
            }
        }
        piranha_->Update(dt);
    }
    for (auto it = objects_.begin(); it != objects_.end();) {
        TrackObject& object = **it;
        if (move) object.MoveX(dt * speed_);
        object.Update(dt);
        if (object.WantsRemoval()) {
            it = objects_.erase(it);
        } else {
            ++it;
        }
    }
}

void ObjectTrack::RemoveObjectsThatLeft() {
    const int widthUnits = GetWorld().GetGrid().WidthUnits();
    if (!objects_.empty()) {
        const TrackObject& oldest = *objects_.front();
        const int x = oldest.GetRoundedPosition().x;
        const int width = oldest.GetWidth();
        if (x < -width || x >= widthUnits + width) objects_.pop_front();
    }
    if (piranha_) {
        const int x = piranha_->GetRoundedPosition().x;
        if (x < -kPiranhaExitMargin || x >= widthUnits + kPiranhaExitMargin) piranha_.reset();
    }
}

TrackObject* ObjectTrack::FindObjectAt(int x, int y) const {
    for (const auto& object : objects_) {
        if (object->Contains(x, y)) return object.get();
    }
    return nullptr;
}

TrackObject* ObjectTrack::FindObjectAfter(int x, int y, float dt) const {
    return FindObjectAt(static_cast<int>(static_cast<float>(x) - speed_ * dt), y);
}

float ObjectTrack::DistanceToNearestObject(float x, float y) const {
    float nearest = FLT_MAX;
    for (const auto& object : objects_) {
        const float dx = object->GetX() - x;
        const float dy = object->GetY() - y;
        const float squared = dx * dx + dy * dy;
        if (squared < nearest) nearest = squared;
    }
    return std::sqrt(nearest);
}

bool ObjectTrack::IsOnTrack(int x, int y) const { return GetWorld().GetGrid().PositionToCell(x, y).y == row_; }

void ObjectTrack::ScaleSpeed(float factor) {
    speed_ *= factor;
    spawn_.minSpawnInterval /= factor;
    spawn_.maxSpawnInterval /= factor;
}

TrackObject* ObjectTrack::AddObject(std::unique_ptr<TrackObject> object, bool randomX) {
    TrackObject* added = object.get();
    objects_.push_back(std::move(object));
    added->AttachToTrack(*this, randomX);
    return added;
}
