#pragma once

#include <string>

#include "world/objects/RiverObject.h"

// A kill box (hammer, red button or bomb). It drowns a frog that rides it for killDelay seconds,
// and kills a frog standing in the row just below when it passes over it — measured over the
// whole span of x it swept in the frame, so a fast box cannot skip the frog.
class Box final : public RiverObject {
public:
    static constexpr int kStateKilling = 6;
    // Finished: the track deletes it right after its update.
    static constexpr int kStateRemove = 7;

    Box(std::string name, int kind);

    bool AttachToTrack(ObjectTrack& track, bool randomX) override;
    void OnFrogLanded(Frog& frog) override;
    void Update(float dt) override;
    void Draw(float animTime, bool mirrored) override;
    bool WantsRemoval() const override { return state_ == kStateRemove; }
    const std::string& GetSpriteName() const override;

    // Each move first remembers where the box stood.
    void SetPosition(float x, float y) override;
    void Move(float dx, float dy) override;
    void MoveX(float dx) override;
    void MoveY(float dy) override;

    IntPoint GetPreviousPosition() const { return {prevX_, prevY_}; }
    // The frog command of this box's pass-over kill.
    int KillCommand() const;

private:
    void RememberPosition();
    void CheckPassOver();

    float killDelay_ = 0.0f;
    float killTimer_ = 0.0f;
    int prevX_ = 0;
    int prevY_ = 0;
    int boxOffsetX_ = 0;
    int boxOffsetY_ = 0;
    int drownOffsetX_ = 0;
    int drownOffsetY_ = 0;
};
