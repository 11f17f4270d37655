#pragma once

#include <string>

#include "world/objects/RiverObject.h"

// A water lily that dives once the frog has stood on it for diveDelay seconds in one go;
// stepping off pauses the count, landing again starts it afresh.
class WaterLily final : public RiverObject {
public:
    explicit WaterLily(std::string name);

    bool AttachToTrack(ObjectTrack& track, bool randomX) override;
    void OnFrogLanded(Frog& frog) override;
    void Update(float dt) override;
    const std::string& GetSpriteName() const override;

private:
    float diveDelay_ = 0.0f;
    float diveTimer_ = 0.0f;
};
