#pragma once

#include <memory>
#include <vector>

#include "world/objects/GameObject.h"

class ObjectTrack;
class TrackObject;
class World;

// One visible area of a level: numTracksPerArea lanes stacked from firstTrackRow upwards, all
// road or all river. Owns its tracks (track 0 is the lowest).
class Area final : public GameObject {
public:
    explicit Area(World& world);
    ~Area() override;

    // Builds the tracks of the absolute area areaIndex for the world's current level.
    void Init(int areaIndex);
    // Tracks from the top one down.
    void Advance(float dt, bool forceMove);

    TrackObject* FindObjectAt(int x, int y) const;
    TrackObject* FindObjectAfter(int x, int y, float dt) const;
    float DistanceToNearestObject(float x, float y) const;
    void ScaleSpeed(float factor);

    // The track lying on a grid row, or null.
    ObjectTrack* TrackOnRow(int row) const;
    bool ContainsRow(int row) const { return row >= firstTrackRow_ && row <= lastTrackRow_; }

    World& GetWorld() const { return *world_; }
    int GetType() const { return type_; }
    bool IsRiver() const;
    int GetAreaIndex() const { return areaIndex_; }
    int GetFirstTrackRow() const { return firstTrackRow_; }
    int GetLastTrackRow() const { return lastTrackRow_; }
    const std::vector<std::unique_ptr<ObjectTrack>>& GetTracks() const { return tracks_; }

private:
    World* world_;
    // Tracks are held by pointer: objects keep links to their track.
    std::vector<std::unique_ptr<ObjectTrack>> tracks_;
    int type_ = 0;
    int areaIndex_ = 0;
    int firstTrackRow_ = 0;
    int lastTrackRow_ = 0;
};
