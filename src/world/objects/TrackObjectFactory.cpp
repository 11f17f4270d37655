#include "world/objects/TrackObjectFactory.h"

#include <algorithm>
#include <cstdio>

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
constexpr int kCarKinds = 3;
constexpr int kSecondAreaLiveries = 3;
constexpr int kAllLiveries = 5;
constexpr int kBoxKinds = 3;
// Trunk, barrel, hippo, water lily: two bits of a draw.
constexpr int kFloatingKindMask = 3;
constexpr int kFaultExit = -1;

struct KindName {
    int kind;
    const char* name;
};

constexpr KindName kKindNames[] = {
    {KIND_RAGTOP_OPEN, "RagtopOpen"},
    {KIND_RAGTOP_CLOSED, "RagtopClosed"},
    {KIND_SMALL_CAR, "SmallCar"},
    {KIND_TRUCK_GARBAGE, "Truck"},
    {KIND_TRUCK_CHEZ_FRED, "Truck"},
    {KIND_TRUCK_ELECTRIC, "Truck"},
    {KIND_TRUCK_AQUARIUM, "Truck"},
    {KIND_TRUCK_CEMENT_MIXER, "Truck"},
    {KIND_TRUNK, "Trunk"},
    {KIND_BARREL, "Barrel"},
    {KIND_HIPPO, "Hippo"},
    {KIND_WATER_LILY, "WaterLily"},
    {KIND_BOX_HAMMER, "BoxHammer"},
    {KIND_BOX_RED_BUTTON, "BoxRedButton"},
    {KIND_BOX_BOMB, "BoxBomb"},
};

int Draw() { return Randomizer::Instance().Next(); }
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
    int a = 0;
    int f = 0;
    Coordinates(track, a, f);
    int kind = 0;
    if (Draw() % kPercent >= TruckPercent(a, f)) {
        kind = Draw() % kCarKinds;
    } else if (a < 1) {
        // The first area only has garbage trucks; the second adds two liveries, later ones all.
        kind = KIND_TRUCK_GARBAGE;
    } else if (a == 1) {
        kind = KIND_TRUCK_GARBAGE + Draw() % kSecondAreaLiveries;
    } else {
        kind = KIND_TRUCK_GARBAGE + Draw() % kAllLiveries;
    }
    return CreateObject(kind, false);
}

std::unique_ptr<TrackObject> TrackObjectFactory::CreateRiverObject(const ObjectTrack& track) {
    int a = 0;
    int f = 0;
    Coordinates(track, a, f);
    int kind = 0;
    // The first track of an area never carries boxes.
    if (track.GetTrackIndex() > 0 && Draw() % kPercent < BoxPercent(a, f)) {
        kind = KIND_BOX_HAMMER + Draw() % kBoxKinds;
    } else {
        kind = KIND_TRUNK + (Draw() & kFloatingKindMask);
        if (Draw() % kPercent < kTrunkBiasPercent) kind = KIND_TRUNK;
    }
    return CreateObject(kind, true);
}

std::unique_ptr<TrackObject> TrackObjectFactory::CreateObject(int kind, bool river) {
    const char* name = nullptr;
    for (const KindName& entry : kKindNames) {
        if (entry.kind == kind) name = entry.name;
    }
    switch (kind) {
    case KIND_RAGTOP_OPEN:
    case KIND_RAGTOP_CLOSED:
    case KIND_SMALL_CAR: return std::make_unique<Car>(name, kind);
    case KIND_TRUCK_GARBAGE:
    case KIND_TRUCK_CHEZ_FRED:
    case KIND_TRUCK_ELECTRIC:
    case KIND_TRUCK_AQUARIUM:
    case KIND_TRUCK_CEMENT_MIXER: return std::make_unique<Truck>(name, kind);
    case KIND_TRUNK: return std::make_unique<Trunk>(name);
    case KIND_BARREL: return std::make_unique<Barrel>(name);
    case KIND_HIPPO: return std::make_unique<Hippo>(name);
    case KIND_WATER_LILY: return std::make_unique<WaterLily>(name);
    case KIND_BOX_HAMMER:
    case KIND_BOX_RED_BUTTON:
    case KIND_BOX_BOMB: return std::make_unique<Box>(name, kind);
    default: break;
    }
    std::fprintf(stderr, "TrackObjectFactory: no object of kind %d\n", kind);
    platform::PostQuitMessage(kFaultExit);
    if (river) return std::make_unique<Trunk>("Maleformed");
    return std::make_unique<Car>("Maleformed", KIND_SMALL_CAR);
}
