#pragma once

#include <string>

#include "world/objects/BlockingObject.h"
#include "world/objects/TrackObject.h"

// Cars and trucks: they block the frog and run it over. Registered with BlockInfo from their
// attach until their destruction. Shadows are drawn under them while the game's shadow option
// is on.
class RoadObject : public TrackObject, public BlockingObject {
public:
    static constexpr int kStateDriving = 2;

    RoadObject(std::string name, int kind);

    bool AttachToTrack(ObjectTrack& track, bool randomX) override;
    // The point moved back by the distance the vehicle covers in dt.
    bool IsBlockingAfter(int px, int py, float dt) const override;
    // Shadow first, then the vehicle over it.
    void Draw(float animTime, bool mirrored) override;

    void LoadShadowOffset(const char* prefix);
    // The kind's record (ObjectKinds); null for a kind number no kind has.
    const ObjectKind* KindRecord() const { return FindObjectKind(kind_); }

protected:
    int shadowOffsetX_ = 0;
    int shadowOffsetY_ = 0;
};
