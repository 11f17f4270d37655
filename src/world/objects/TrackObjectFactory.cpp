#include "world/objects/TrackObjectFactory.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "settings/SettingsManager.h"
#include "core/Randomizer.h"
#include "core/StringUtil.h"
#include "world/objects/Barrel.h"
#include "world/objects/Box.h"
#include "world/objects/Car.h"
#include "world/objects/Hippo.h"
#include "world/objects/Trunk.h"
#include "world/objects/Truck.h"
#include "world/objects/WaterLily.h"
#include "platform/Messages.h"
#include "world/Area.h"
#include "world/LevelInfo.h"
#include "world/ObjectTrack.h"
#include "world/World.h"

namespace {
constexpr int kFaultExit = -1;

bool Floats(KindFamily family) {
    return family == KindFamily::Trunk || family == KindFamily::Barrel || family == KindFamily::Hippo ||
           family == KindFamily::WaterLily;
}

// The kinds of the table that pass `wanted`, in kind order.
template <class Wanted>
std::vector<int> KindsWhere(Wanted wanted) {
    std::vector<int> kinds;
    for (const ObjectKind& record : ObjectKinds()) {
        if (wanted(record)) kinds.push_back(record.kind);
    }
    return kinds;
}

int Draw() { return Randomizer::Instance().Next(); }

// One of the kinds, by a draw; a single kind needs none, and no kind is a fault (KIND_NONE).
int Choose(const std::vector<int>& kinds) {
    if (kinds.empty()) return KIND_NONE;
    if (kinds.size() == 1) return kinds.front();
    return kinds[static_cast<size_t>(Draw()) % kinds.size()];
}
}  // namespace

bool TrackObjectFactory::LoadFrequencies() {
    SettingsManager& settings = SettingsManager::Instance();
    const int numAreas = std::max(0, settings.GetInt("numAreas"));
    const int numFrogs = std::max(0, settings.GetInt("numFrogsToGoal"));
    truckPercent_.assign(static_cast<size_t>(numAreas), std::vector<int>(static_cast<size_t>(numFrogs), 0));
    boxPercent_ = truckPercent_;
    for (int a = 0; a < numAreas; ++a) {
        for (int f = 0; f < numFrogs; ++f) {
            truckPercent_[a][f] =
                static_cast<int>(settings.GetFloat(StringFormat("relFrequTruckPerCent_A%02d_F%02d", a, f)));
            boxPercent_[a][f] =
                static_cast<int>(settings.GetFloat(StringFormat("relFrequBoxPerCent_A%02d_F%02d", a, f)));
        }
    }
    return true;
}

int TrackObjectFactory::Lookup(const Table& table, int area, int frog) {
    if (table.empty() || table.front().empty()) return 0;
    const size_t row = static_cast<size_t>(std::clamp(area, 0, static_cast<int>(table.size()) - 1));
    const std::vector<int>& columns = table[row];
    const size_t column = static_cast<size_t>(std::clamp(frog, 0, static_cast<int>(columns.size()) - 1));
    return columns[column];
}

void TrackObjectFactory::Coordinates(const ObjectTrack& track, int& area, int& frog) {
    area = track.GetArea()->GetAreaIndex();
    frog = track.GetWorld().GetLevelInfo().FrogsHome();
}

std::unique_ptr<TrackObject> TrackObjectFactory::CreateRoadObject(const ObjectTrack& track) {
    static const std::vector<int> kCars = KindsWhere([](const ObjectKind& k) { return k.family == KindFamily::Car; });
    int a = 0;
    int f = 0;
    Coordinates(track, a, f);
    if (Draw() % kPercent >= TruckPercent(a, f)) return CreateObject(Choose(kCars), false);
    // Each livery from its first area on: the first area only has garbage trucks.
    const std::vector<int> liveries =
        KindsWhere([a](const ObjectKind& k) { return k.family == KindFamily::Truck && k.firstArea <= a; });
    return CreateObject(Choose(liveries), false);
}

std::unique_ptr<TrackObject> TrackObjectFactory::CreateRiverObject(const ObjectTrack& track) {
    static const std::vector<int> kBoxes = KindsWhere([](const ObjectKind& k) { return k.family == KindFamily::Box; });
    static const std::vector<int> kFloating = KindsWhere([](const ObjectKind& k) { return Floats(k.family); });
    int a = 0;
    int f = 0;
    Coordinates(track, a, f);
    // The first track of an area never carries boxes.
    if (track.GetTrackIndex() > 0 && Draw() % kPercent < BoxPercent(a, f)) return CreateObject(Choose(kBoxes), true);
    int kind = Choose(kFloating);
    if (Draw() % kPercent < kTrunkBiasPercent) kind = KIND_TRUNK;
    return CreateObject(kind, true);
}

std::unique_ptr<TrackObject> TrackObjectFactory::CreateObject(int kind, bool river) {
    if (const ObjectKind* record = FindObjectKind(kind)) {
        switch (record->family) {
        case KindFamily::Car: return std::make_unique<Car>(record->name, kind);
        case KindFamily::Truck: return std::make_unique<Truck>(record->name, kind);
        case KindFamily::Trunk: return std::make_unique<Trunk>(record->name);
        case KindFamily::Barrel: return std::make_unique<Barrel>(record->name);
        case KindFamily::Hippo: return std::make_unique<Hippo>(record->name);
        case KindFamily::WaterLily: return std::make_unique<WaterLily>(record->name);
        case KindFamily::Box: return std::make_unique<Box>(record->name, kind);
        }
    }
    std::fprintf(stderr, "TrackObjectFactory: no object of kind %d\n", kind);
    platform::PostQuitMessage(kFaultExit);
    if (river) return std::make_unique<Trunk>("Maleformed");
    return std::make_unique<Car>("Maleformed", KIND_SMALL_CAR);
}
