#pragma once

#include <list>
#include <memory>

#include "world/objects/GameObject.h"
#include "world/Point.h"

class Area;
class GameContext;
class Piranha;
class TrackObject;
class World;

// Paces a lane's spawns: an object comes no sooner than minSpawnInterval after the last one,
// ever likelier towards maxSpawnInterval, and attempts lie at least attemptInterval apart.
struct SpawnParameters {
    static constexpr float kAttemptInterval = 2.0f;

    float spawnTimer = 0.0f;    // seconds since the last object was spawned
    float attemptTimer = 0.0f;  // seconds since the last regular attempt
    float minSpawnInterval = 0.0f;
    float maxSpawnInterval = 0.0f;
    float attemptInterval = kAttemptInterval;
};

// One lane of an area: objects of one direction and speed drifting across the screen. The track
// owns its objects (oldest first) and at most one piranha swimming the other way.
class ObjectTrack final : public GameObject {
public:
    static constexpr int kDirectionLeft = 0;   // objects move towards falling x
    static constexpr int kDirectionRight = 1;  // objects move towards growing x
    // A piranha is gone once it is this far beyond either edge of the grid.
    static constexpr int kPiranhaExitMargin = 250;
    // A new piranha starts this far outside the edge it enters from.
    static constexpr float kPiranhaEntryDistance = 200.0f;
    static constexpr int kPiranhaPerMill = 1000;
    static constexpr int kChancePercent = 100;
    // First area (absolute index) whose river tracks may carry piranhas.
    static constexpr int kFirstPiranhaArea = 4;

    ObjectTrack();
    ~ObjectTrack() override;

    void Init(int trackIndex, Area& area, int row, int direction, float trackSpeed, int maxObjects,
              const SpawnParameters& spawn);
    // One frame: spawn, decide whether to move, move and update (piranha first), remove at
    // most one object that has left the screen, and a piranha that has gone.
    void Advance(float dt, bool forceMove);

    TrackObject* FindObjectAt(int x, int y) const;
    // The object that will be at (x, y) after dt seconds.
    TrackObject* FindObjectAfter(int x, int y, float dt) const;
    float DistanceToNearestObject(float x, float y) const;
    bool IsOnTrack(int x, int y) const;
    void ScaleSpeed(float factor);

    Area* GetArea() const { return area_; }
    World& GetWorld() const;
    GameContext* GetContext() const;
    int GetDirection() const { return direction_; }
    float GetSpeed() const { return speed_; }
    float GetPiranhaSpeed() const { return piranhaSpeed_; }
    int GetRow() const { return row_; }
    int GetCenterY() const { return centerY_; }
    int GetMaxObjects() const { return maxObjects_; }
    int GetTrackIndex() const { return trackIndex_; }
    const SpawnParameters& GetSpawnParameters() const { return spawn_; }
    const std::list<std::unique_ptr<TrackObject>>& GetObjects() const { return objects_; }
    Piranha* GetPiranha() const { return piranha_.get(); }

    // Test and benchmark access: place an object as if it had been spawned (the track attaches
    // it without random placement).
    TrackObject* AddObject(std::unique_ptr<TrackObject> object, bool randomX);

private:
    void Spawn(float dt);
    void TrySpawnPiranha();
    bool EntryEdgeClear() const;
    bool ShouldMove(bool forceMove);
    void MoveAndUpdate(float dt, bool move);
    void RemoveObjectsThatLeft();

    Area* area_ = nullptr;
    int direction_ = 0;
    float speed_ = 0.0f;
    float piranhaSpeed_ = 0.0f;
    int row_ = 0;
    int centerY_ = 0;
    int maxObjects_ = 0;
    int trackIndex_ = 0;
    std::list<std::unique_ptr<TrackObject>> objects_;
    SpawnParameters spawn_;
    std::unique_ptr<Piranha> piranha_;
    int piranhaChancePerMill_ = 0;
};
