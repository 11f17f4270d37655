#include "world/objects/WaterLilyGoal.h"

#include <utility>

#include "core/StringUtil.h"

WaterLilyGoal::WaterLilyGoal(std::string name) : GameObject(std::move(name)) {}

void WaterLilyGoal::Update(float dt) {
    GameObject::Update(dt);
    Draw(0.0f, false);
}

const std::string& WaterLilyGoal::GetSpriteName() const {
    static const std::string kSprite = MakeAssetKey("WATER_LILY_GOAL");
    return kSprite;
}
