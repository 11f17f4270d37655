#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "settings/SettingsManager.h"
#include "core/Randomizer.h"
#include "core/StringUtil.h"
#include "world/objects/InvisibleBlockObject.h"
#include "world/objects/TrackObject.h"
#include "world/objects/WaterLilyGoal.h"
#include "world/Area.h"
#include "world/BlockInfo.h"
#include "world/Frog.h"
#include "world/FrogState.h"
#include "world/GameContext.h"
#include "world/LevelObjectsFile.h"
#include "world/ObjectTrack.h"

namespace {
// Goal cell keys use −1 for "choose a random cell".
constexpr int kNoGoalCell = -1;
// Random goal cells tried before the row is searched in order.
constexpr int kRandomGoalTries = 1000;
}  // namespace

World::World(GameContext& game) : game_(game), scroller_(*this) { scroller_.SetBackground(&background_); }

World::~World() {
    // Objects tell the frog they are going; do it while the rest of the world still stands.
    objectList_.clear();
    areas_.clear();
}

bool World::CreateGrid() {
    SettingsManager& settings = SettingsManager::Instance();
    const int widthUnits = settings.GetInt("gridWidthUnits");
    const int heightUnits = settings.GetInt("gridHeightUnits");
    const int numLat = settings.GetInt("numLatCells");
    const int numLong = levelInfo_.GetNumLongCells();
    if (numLat <= 0 || numLong <= 0 || widthUnits <= 0 || heightUnits <= 0) {
        std::fprintf(stderr,
                     "config.txt: gridWidthUnits %d, gridHeightUnits %d, numLatCells %d and %d "
                     "rows make no grid\n",
                     widthUnits, heightUnits, numLat, numLong);
        return false;
    }
    if (widthUnits % numLat != 0 || heightUnits % numLong != 0) {
        std::fprintf(stderr,
                     "config.txt: gridWidthUnits %d and gridHeightUnits %d do not divide into %d x %d "
                     "whole cells; the grid stays as it was\n",
                     widthUnits, heightUnits, numLat, numLong);
        return false;
    }
    return grid_.Create(numLat, numLong, widthUnits / numLat, heightUnits / numLong);
}

bool World::LoadBackground() {
    if (!background_.Load(levelInfo_, grid_.CellHeight())) return false;
    const IntPoint view = scroller_.GetRoundedPosition();
    background_.SetScroll(view.x, view.y);
    return true;
}

void World::UpdateBackground(float dt) { background_.Update(dt); }

void World::BuildAreas() {
    areas_.clear();
    for (int i = 0; i < levelInfo_.numVisibleAreas; ++i) {
        areas_.push_back(std::make_unique<Area>(*this));
        areas_.back()->Init(levelInfo_.levelIndex + i);
    }
}

void World::UpdateAreas(float dt, bool forceMove) {
    for (auto& area : areas_) area->Advance(dt, forceMove);
    DrawRoadTopLayer();
    for (auto& object : objectList_) object->Update(dt);
}

void World::PreRun() {
    float remaining = SettingsManager::Instance().GetFloat("initInterval");
    while (remaining > 0.0f) {
        remaining -= kPreRunStep;
        UpdateAreas(kPreRunStep, true);
    }
}

void World::AddBlocker(const IntPoint& centre, int width, int height) {
    auto blocker = std::make_unique<InvisibleBlockObject>("ArbitraryObject");
    blocker->SetBlockRect(centre.x, centre.y, width, height);
    objectList_.push_back(std::move(blocker));
}

void World::PlaceGoalAndObjects() {
    objectList_.clear();
    goal_ = nullptr;

    const std::string path = LevelObjectsFile::PathFor(levelInfo_.worldIndex, levelInfo_.levelIndex);
    for (const LevelObjectEntry& entry : LevelObjectsFile::Read(path)) {
        if (entry.type != LevelObjectEntry::kBlocker && entry.type != LevelObjectEntry::kWater) continue;
        if (!grid_.IsCellInside(entry.lat, entry.lng)) {
            std::fprintf(stderr, "%s: cell (%d, %d) lies outside the %d x %d grid; entry skipped\n", path.c_str(),
                         entry.lat, entry.lng, grid_.NumLatCells(), grid_.NumLongCells());
            continue;
        }
        if (entry.type == LevelObjectEntry::kBlocker) {
            AddBlocker(grid_.CellCenter(entry.lat, entry.lng), entry.width, entry.height);
        } else {
            grid_.GetCell(grid_.CellIndex(entry.lat, entry.lng)) |= CELL_WATER;
        }
    }

    SettingsManager& settings = SettingsManager::Instance();
    const int w = levelInfo_.worldIndex;
    const int l = levelInfo_.levelIndex;
    const std::string latKey = StringFormat("GoalCellLat_%02d_%02d", w, l);
    const std::string longKey = StringFormat("GoalCellLong_%02d_%02d", w, l);
    IntPoint cell{settings.GetInt(latKey), settings.GetInt(longKey)};
    if (cell.x == kNoGoalCell || cell.y == kNoGoalCell) {
        cell = ChooseRandomGoalCell();
    } else if (!grid_.IsCellInside(cell.x, cell.y)) {
        std::fprintf(stderr, "config.txt: %s/%s name cell (%d, %d) outside the grid; a random goal cell is used\n",
                     latKey.c_str(), longKey.c_str(), cell.x, cell.y);
        cell = ChooseRandomGoalCell();
    }

    auto goal = std::make_unique<WaterLilyGoal>("Goal");
    const IntPoint centre = grid_.CellCenter(cell.x, cell.y);
    goal->SetPosition(static_cast<float>(centre.x), static_cast<float>(centre.y));
    goal->LoadExtent("waterLilyGoal");
    // Drawn like every object: the picture's corner at the centre plus its offset, so the lily
    // sits on its cell.
    goal->LoadOffset("waterLilyGoal");
    goal->SetContext(&game_);
    goal_ = goal.get();
    objectList_.push_back(std::move(goal));
}

IntPoint World::ChooseRandomGoalCell() const {
    // A grid lower than the goal row puts the goal on its top row.
    const int row = std::min(kRandomGoalRow, grid_.NumLongCells() - 1);
    auto usable = [&](int lat) {
        if (!grid_.IsCellInside(lat, row)) return false;
        const IntPoint centre = grid_.CellCenter(lat, row);
        return (grid_.GetCell(grid_.CellIndex(lat, row)) & CELL_WATER) == 0 &&
               !BlockInfo::Instance().IsBlocked(centre.x, centre.y);
    };
    for (int i = 0; i < kRandomGoalTries; ++i) {
        const int lat = kRandomGoalFirstLat + Randomizer::Instance().Next() % kRandomGoalLatCount;
        if (usable(lat)) return {lat, row};
    }
    // Every draw hit water or a blocker: take the first usable cell, else the first candidate,
    // rather than searching for ever.
    for (int lat = kRandomGoalFirstLat; lat < kRandomGoalFirstLat + kRandomGoalLatCount; ++lat) {
        if (usable(lat)) return {lat, row};
    }
    std::fprintf(stderr, "level %d: no dry, unblocked goal cell on row %d; the goal is placed on water\n",
                 levelInfo_.levelIndex, row);
    return {kRandomGoalFirstLat, row};
}

void World::LoadTopLayers() { topLayers_.LoadTopLayers(levelInfo_.levelIndex); }

void World::DrawTopLayer() { topLayers_.DrawTopLayer(game_); }

void World::DrawRoadTopLayer() { topLayers_.DrawRoadTopLayer(game_); }

void World::ApplyFrogSpeedFactor() {
    const int k = levelInfo_.FrogsHome();
    const float factor = levelInfo_.FrogSpeedFactor(k);
    if (!(factor > 0.0f) || !std::isfinite(factor)) {
        std::fprintf(stderr, "config.txt: %s is %g; a speed factor must be above 0, traffic keeps its speed\n",
                     IndexedKey("frogSpeedFactor", k).c_str(), static_cast<double>(factor));
        return;
    }
    for (auto& area : areas_) area->ScaleSpeed(factor);
}

void World::ClearLevel() {
    objectList_.clear();
    goal_ = nullptr;
    areas_.clear();
}

Area* World::FindAreaAt(int x, int y) const {
    const int row = grid_.PositionToCell(x, y).y;
    for (const auto& area : areas_) {
        if (area->ContainsRow(row)) return area.get();
    }
    return nullptr;
}

TrackObject* World::FindTrackObjectAt(int x, int y) const {
    const Area* area = FindAreaAt(x, y);
    return area != nullptr ? area->FindObjectAt(x, y) : nullptr;
}

TrackObject* World::FindTrackObjectAfter(int x, int y, float dt) const {
    const Area* area = FindAreaAt(x, y);
    return area != nullptr ? area->FindObjectAfter(x, y, dt) : nullptr;
}

bool World::IsWithinGoalDistance(FloatPoint frogPosition, float inGoalDistance) const {
    if (goal_ == nullptr) return false;
    const float dx = goal_->GetX() - frogPosition.x;
    const float dy = goal_->GetY() - frogPosition.y;
    return std::sqrt(dx * dx + dy * dy) <= inGoalDistance;
}

bool World::DrawsFrogUnderTraffic(const Frog& frog) const {
    const IntPoint position = frog.GetRoundedPosition();
    const Area* area = FindAreaAt(position.x, position.y);
    const int state = frog.GetState();
    const bool truckJump = state == FS_MOVE_DOWN_TRUCK_DOWN || state == FS_MOVE_UP_TRUCK_DOWN ||
                           state == FS_ROCKET_JUMP || state == FS_ROCKET_JUMP_BOARDING;
    return area != nullptr && !area->IsRiver() && frog.GetCarrier() == nullptr && frog.GetTarget() == nullptr &&
           !truckJump;
}

std::vector<std::vector<std::vector<int>>> World::DescribeTracks() const {
    std::vector<std::vector<std::vector<int>>> areas;
    for (const auto& area : areas_) {
        std::vector<std::vector<int>> tracks;
        for (const auto& track : area->GetTracks()) {
            std::vector<int> kinds;
            for (const auto& object : track->GetObjects()) kinds.push_back(object->GetKind());
            tracks.push_back(std::move(kinds));
        }
        areas.push_back(std::move(tracks));
    }
    return areas;
}
