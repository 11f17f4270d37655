#include "world/Area.h"

#include <algorithm>
#include <cfloat>
#include <string>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "world/LevelInfo.h"
#include "world/ObjectTrack.h"
#include "world/World.h"

Area::Area(World& world) : GameObject("Area"), world_(&world) {}

Area::~Area() = default;

bool Area::IsRiver() const { return type_ == LevelInfo::kRiverArea; }

void Area::Init(int areaIndex) {
    const LevelInfo& level = world_->GetLevelInfo();
    SettingsManager& settings = SettingsManager::Instance();
    type_ = level.AreaType(areaIndex);
    areaIndex_ = areaIndex;
    const int relative = areaIndex - level.levelIndex;
    firstTrackRow_ = level.numCellsPerArea * relative + level.numCellsStartStrip;
    lastTrackRow_ = firstTrackRow_ + level.numTracksPerArea - 1;

    tracks_.clear();
    for (int t = 0; t < level.numTracksPerArea; ++t) tracks_.push_back(std::make_unique<ObjectTrack>());

    for (int t = 0; t < level.numTracksPerArea; ++t) {
        const int maxObjects = static_cast<int>(settings.GetFloat("MaxNumObjectsPerTrack"));
        const bool runsLeft = settings.GetBool(StringFormat("direction_%02d_%02d", areaIndex, t));
        const float trackSpeed = settings.GetFloat(StringFormat("trackSpeed_%02d_%02d", areaIndex, t));
        SpawnParameters spawn;
        spawn.minSpawnInterval = settings.GetFloat(StringFormat("MinSpawnInterval_%02d_%02d", areaIndex, t));
        spawn.maxSpawnInterval = settings.GetFloat(StringFormat("MaxSpawnInterval_%02d_%02d", areaIndex, t));
        tracks_[static_cast<size_t>(t)]->Init(t, *this, firstTrackRow_ + t,
                                              runsLeft ? ObjectTrack::kDirectionLeft : ObjectTrack::kDirectionRight,
                                              trackSpeed, maxObjects, spawn);
    }
}

void Area::Advance(float dt, bool forceMove) {
    stateTime_ += dt;
    for (auto it = tracks_.rbegin(); it != tracks_.rend(); ++it) (*it)->Advance(dt, forceMove);
}

ObjectTrack* Area::TrackOnRow(int row) const {
    if (!ContainsRow(row)) return nullptr;
    const size_t index = static_cast<size_t>(row - firstTrackRow_);
    return index < tracks_.size() ? tracks_[index].get() : nullptr;
}

TrackObject* Area::FindObjectAt(int x, int y) const {
    const ObjectTrack* track = TrackOnRow(world_->GetGrid().PositionToCell(x, y).y);
    return track != nullptr ? track->FindObjectAt(x, y) : nullptr;
}

TrackObject* Area::FindObjectAfter(int x, int y, float dt) const {
    const ObjectTrack* track = TrackOnRow(world_->GetGrid().PositionToCell(x, y).y);
    return track != nullptr ? track->FindObjectAfter(x, y, dt) : nullptr;
}

float Area::DistanceToNearestObject(float x, float y) const {
    float nearest = FLT_MAX;
    for (const auto& track : tracks_) nearest = std::min(nearest, track->DistanceToNearestObject(x, y));
    return nearest;
}

void Area::ScaleSpeed(float factor) {
    for (auto it = tracks_.rbegin(); it != tracks_.rend(); ++it) (*it)->ScaleSpeed(factor);
}
