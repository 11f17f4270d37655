#pragma once

#include "world/Point.h"

class Background;
class World;

// The view's vertical scroll: a target that follows the frog, approached with an accelerated,
// braked motion and clamped to the backdrop. The position is the world point of the screen's
// lower left corner; the background is told each new rounded position.
class Scroller {
public:
    // The view is this many cells below the frog.
    static constexpr int kFrogCellsAboveView = 2;
    // Braking uses this share of the acceleration.
    static constexpr float kBrakeShare = 0.5f;

    explicit Scroller(const World& world);

    void SetAcceleration(float unitsPerSecondSquared) { acceleration_ = unitsPerSecondSquared; }
    void SetBackground(Background* background) { background_ = background; }

    // x is not used: the view does not scroll sideways.
    void SetScrollTarget(int x, int y);
    void FollowFrog(IntPoint visiblePosition);
    void ScrollToTop();
    void ResetScrollTarget();
    void UpdateScroll(float dt);
    // Jumps the view straight to a point (for a level that starts anew).
    void SetPosition(FloatPoint position);

    FloatPoint GetPosition() const { return position_; }
    IntPoint GetRoundedPosition() const;
    IntPoint GetTarget() const { return target_; }
    FloatPoint GetVelocity() const { return velocity_; }
    // Backdrop height less the screen height, never below 0.
    int MaxScrollY() const;

private:
    void Arrive();
    void TellBackground();

    const World& world_;
    FloatPoint position_;
    IntPoint target_;
    FloatPoint velocity_;
    // Read from the settings by the game; 1 until then.
    float acceleration_ = 1.0f;
    Background* background_ = nullptr;
};
