#pragma once

#include <string>

#include "world/objects/GameObject.h"
#include "world/objects/ObjectKinds.h"
#include "world/objects/VisualObject.h"

class Frog;
class ObjectTrack;

// Everything that rides along a lane. The track owns its objects: it calls MoveX(dt × speed)
// while the world moves and then Update(dt) each frame, in list order, and deletes an object
// when it has left the screen (or, for a box, when it reports state 7). Update advances the
// state timer and draws, mirrored on tracks that run to the left.
class TrackObject : public GameObject, public VisualObject {
public:
    TrackObject(std::string name, int kind);
    // A frog riding, targeting or being killed by this object forgets it first.
    ~TrackObject() override;

    void Update(float dt) override;

    // Puts the object on the track's centre row, at the edge it enters from (or, with randomX,
    // anywhere across the screen). The object learns its game from the track.
    virtual bool AttachToTrack(ObjectTrack& track, bool randomX);
    virtual void OnFrogLanded(Frog& frog);
    virtual void OnFrogLeft(Frog& frog);
    // Asked by the track right after Update: the object is finished and is deleted at once.
    virtual bool WantsRemoval() const { return false; }

    // The track's signed speed in world units per second; 0 before attaching.
    float GetSpeed() const;
    int GetKind() const { return kind_; }
    bool SnapsFrog() const { return snapsFrog_; }
    float GetFrogLandingOffsetX() const { return frogLandingOffsetX_; }
    bool IsFrogAboard() const { return frogAboard_; }
    void SetFrogAboard(bool aboard) { frogAboard_ = aboard; }

protected:
    // Whether the track runs to the left (direction 0): unmirrored sprites face right.
    bool TrackRunsLeft() const;
    // Seconds of the current sprite's animation (0 without a sprite).
    float CurrentAnimationLength() const;
    void PlaySound(const char* name) const;
    // The game's frog; null before attaching or while there is none.
    Frog* GetFrog() const;

    ObjectTrack* track_ = nullptr;
    int kind_;
    bool snapsFrog_ = false;
    float frogLandingOffsetX_ = 0.0f;
    bool frogAboard_ = false;
};
