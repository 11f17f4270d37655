#include "world/Scroller.h"

#include <algorithm>
#include <cmath>

#include "world/objects/Background.h"
#include "world/objects/VisualObject.h"
#include "world/LevelInfo.h"
#include "world/Screen.h"
#include "world/World.h"

Scroller::Scroller(const World& world) : world_(world) {}

int Scroller::MaxScrollY() const {
    const WorldGrid& grid = world_.GetGrid();
    int backdrop = grid.HeightUnits();
    if (world_.GetLevelInfo().levelIndex <= LevelInfo::kLastLevelIndex) backdrop += grid.CellHeight();
    return std::max(0, backdrop - kScreenHeight);
}

void Scroller::SetScrollTarget(int, int y) { target_ = {0, std::clamp(y, 0, MaxScrollY())}; }

void Scroller::FollowFrog(IntPoint visiblePosition) {
    SetScrollTarget(visiblePosition.x, visiblePosition.y - kFrogCellsAboveView * world_.GetGrid().CellHeight());
}

void Scroller::ScrollToTop() { target_ = {0, world_.GetGrid().HeightUnits() - kScreenHeight}; }

void Scroller::ResetScrollTarget() { target_ = {0, 0}; }

void Scroller::SetPosition(FloatPoint position) {
    position_ = position;
    velocity_ = {};
    TellBackground();
}

IntPoint Scroller::GetRoundedPosition() const {
    return {VisualObject::Round(position_.x), VisualObject::Round(position_.y)};
}

void Scroller::Arrive() {
    velocity_ = {};
    position_ = {static_cast<float>(target_.x), static_cast<float>(target_.y)};
}

void Scroller::UpdateScroll(float dt) {
    const IntPoint rounded = GetRoundedPosition();
    const float dx = static_cast<float>(target_.x - rounded.x);
    const float dy = static_cast<float>(target_.y - rounded.y);
    const float dist = std::sqrt(dx * dx + dy * dy);
    if (dist <= 1.0f) {
        Arrive();
        TellBackground();
        return;
    }
    const float ux = dx / dist;
    const float uy = dy / dist;
    const float step = acceleration_ * dt;
    if (velocity_.x * dx + velocity_.y * dy <= 0.0f) {
        velocity_.x += ux * step;
        velocity_.y += uy * step;
    } else {
        const float speed = std::sqrt(velocity_.x * velocity_.x + velocity_.y * velocity_.y);
        const float timeToGo = dist / speed;
        if (timeToGo < dt) {
            Arrive();
        } else if (speed - timeToGo * acceleration_ < 0.0f) {
            velocity_.x += ux * step;
            velocity_.y += uy * step;
        } else {
            velocity_.x -= ux * step * kBrakeShare;
            velocity_.y -= uy * step * kBrakeShare;
        }
    }
    position_.x += velocity_.x * dt;
    position_.y += velocity_.y * dt;
    const float maxY = static_cast<float>(MaxScrollY());
    if (position_.y < 0.0f) position_.y = 0.0f;
    if (position_.y > maxY) position_.y = maxY;
    TellBackground();
}

void Scroller::TellBackground() {
    if (background_ == nullptr) return;
    const IntPoint p = GetRoundedPosition();
    background_->SetScroll(p.x, p.y);
}
