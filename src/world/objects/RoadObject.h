#pragma once

#include <string>

#include "world/objects/BlockingObject.h"
#include "world/objects/TrackObject.h"

// What a road vehicle kind reads and shows. Indexed by kind (0 … 7).
struct RoadKindInfo {
    int kind;
    const char* extentPrefix;
    const char* offsetPrefix;
    const char* shadowPrefix;
    const char* driveSprite;
    const char* killSprite;  // trucks only
    const char* shadowSprite;
    const char* crashSound;     // played when the vehicle runs the frog over
    const char* frogOffsetKey;  // trucks only: where the frog lands, relative to the centre
    int killCommand;            // trucks only: the frog command when its ride time is up
};

// Cars and trucks: they block the frog and run it over. Registered with BlockInfo from their
// attach until their destruction. Shadows are drawn under them while the game's shadow option
// is on.
class RoadObject : public TrackObject, public BlockingObject {
public:
    static constexpr int kStateDriving = 2;
    static constexpr int kLastRoadKind = KIND_TRUCK_CEMENT_MIXER;

    RoadObject(std::string name, int kind);

    bool AttachToTrack(ObjectTrack& track, bool randomX) override;
    // The point moved back by the distance the vehicle covers in dt.
    bool IsBlockingAfter(int px, int py, float dt) const override;
    // Shadow first, then the vehicle over it.
    void Draw(float animTime, bool mirrored) override;

    void LoadShadowOffset(const char* prefix);

    // The kind's table row; null for a kind that is no road vehicle.
    static const RoadKindInfo* KindInfo(int kind);
    // The crash sound of a kind, or null (no sound) above the road kinds.
    static const char* CrashSoundName(int kind);

protected:
    int shadowOffsetX_ = 0;
    int shadowOffsetY_ = 0;
};
