#pragma once

#include <memory>
#include <vector>

#include "core/Singleton.h"

class ObjectTrack;
class TrackObject;

// Decides which kind of object a lane gets next and builds it. The share of trucks among road
// vehicles and of kill boxes among river objects depends on the lane's area and on how many
// frogs are already home in the level.
class TrackObjectFactory final : public Singleton<TrackObjectFactory> {
public:
    static constexpr int kPercent = 100;
    // Chance in percent that a river object is forced to be a trunk.
    static constexpr int kTrunkBiasPercent = 5;

    // (Re)reads both percentage tables: numAreas rows of numFrogsToGoal columns.
    bool LoadFrequencies();

    std::unique_ptr<TrackObject> CreateRoadObject(const ObjectTrack& track);
    std::unique_ptr<TrackObject> CreateRiverObject(const ObjectTrack& track);
    // The object of a kind number; a kind outside the table is a fault: the program is asked
    // to quit and a placeholder "Maleformed" object (a car on the road, a trunk on the river)
    // is returned so the caller still has one.
    std::unique_ptr<TrackObject> CreateObject(int kind, bool river);

    int TruckPercent(int area, int frog) const { return Lookup(truckPercent_, area, frog); }
    int BoxPercent(int area, int frog) const { return Lookup(boxPercent_, area, frog); }

private:
    friend class Singleton<TrackObjectFactory>;
    TrackObjectFactory() = default;

    using Table = std::vector<std::vector<int>>;
    // Row and column clamped into the table: a lane of an area the world lacks uses its last
    // row, the frames after the last frog is home use the last column; an empty table gives 0.
    static int Lookup(const Table& table, int area, int frog);
    // The row and column a lane's next object is chosen from.
    static void Coordinates(const ObjectTrack& track, int& area, int& frog);

    Table truckPercent_;
    Table boxPercent_;
};
