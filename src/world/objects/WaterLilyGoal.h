#pragma once

#include <string>

#include "world/objects/GameObject.h"
#include "world/objects/VisualObject.h"

// The level's goal: a water lily on a cell centre that brings one frog home. Always shows the
// first frame of its sprite.
class WaterLilyGoal final : public GameObject, public VisualObject {
public:
    explicit WaterLilyGoal(std::string name);

    void Update(float dt) override;
    const std::string& GetSpriteName() const override;
};
