#include "world/objects/VisualObject.h"

#include <cmath>
#include <cstdlib>

#include "settings/SettingsManager.h"
#include "world/objects/SpriteDrawing.h"
#include "world/GameContext.h"
#include "world/Screen.h"

namespace {
int IntSetting(std::string_view prefix, const char* suffix) {
    return SettingsManager::Instance().GetInt(std::string(prefix) + suffix);
}
}  // namespace

void VisualObject::SetPosition(float x, float y) {
    x_ = x;
    y_ = y;
}

void VisualObject::SetX(float x) { x_ = x; }

void VisualObject::Move(float dx, float dy) {
    x_ += dx;
    y_ += dy;
}

void VisualObject::MoveX(float dx) { x_ += dx; }
void VisualObject::MoveY(float dy) { y_ += dy; }

void VisualObject::Draw(float animTime, bool mirrored) {
    if (context_ == nullptr) return;
    Sprite* sprite = context_->GetSprite(GetSpriteName(), mirrored);
    if (sprite == nullptr) return;
    const IntPoint screen = ToScreen(GetRoundedPosition(), context_->GetScrollPosition());
    sprite_drawing::DrawAt(*sprite, animTime, true, offsetX_ + screen.x, screen.y - offsetY_, sprite_drawing::kAtPoint);
}

bool VisualObject::Contains(int px, int py) const {
    const int dx = static_cast<int>(static_cast<float>(px) - x_);
    if (2 * std::abs(dx) > width_) return false;
    const int dy = static_cast<int>(static_cast<float>(py) - y_);
    return 2 * std::abs(dy) <= height_;
}

void VisualObject::LoadExtent(std::string_view prefix) {
    width_ = IntSetting(prefix, "ObjectWidth");
    height_ = IntSetting(prefix, "ObjectHeight");
}

void VisualObject::LoadOffset(std::string_view prefix) {
    offsetX_ = IntSetting(prefix, "OffsetX");
    offsetY_ = IntSetting(prefix, "OffsetY");
}

IntPoint VisualObject::GetRoundedPosition() const { return {Round(x_), Round(y_)}; }

void VisualObject::SetExtent(int width, int height) {
    width_ = width;
    height_ = height;
}

void VisualObject::SetOffset(int x, int y) {
    offsetX_ = x;
    offsetY_ = y;
}

int VisualObject::Round(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

IntPoint VisualObject::ToScreen(IntPoint world, FloatPoint scroll) {
    return {world.x - Round(scroll.x), kScreenHeight - (world.y - Round(scroll.y))};
}
