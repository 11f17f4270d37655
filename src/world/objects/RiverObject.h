#pragma once

#include <string>

#include "world/objects/TrackObject.h"

// Base of what floats on river tracks. None of them blocks the frog; it stands on them.
class RiverObject : public TrackObject {
public:
    static constexpr int kStateSwimming = 2;
    static constexpr int kStateDiving = 3;
    static constexpr int kStateUnderWater = 4;
    // Hippo: angry, waiting to dive. Box: its drown-kill animation.
    static constexpr int kStateAngryOrDrowning = 5;

    // mirrorsWithTrack: the sprite is drawn mirrored on left-running tracks (most river sprites
    // are symmetric and never are).
    RiverObject(std::string name, int kind, bool mirrorsWithTrack);

    bool AttachToTrack(ObjectTrack& track, bool randomX) override;
    // Track-object update; a dive ends under water once its animation has played.
    void Update(float dt) override;
    void Draw(float animTime, bool mirrored) override;

private:
    bool mirrorsWithTrack_;
};
