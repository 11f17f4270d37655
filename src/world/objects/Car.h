#pragma once

#include <string>

#include "world/objects/RoadObject.h"

// A car (the car kinds of ObjectKinds): only an obstacle; its whole body blocks.
class Car final : public RoadObject {
public:
    Car(std::string name, int kind);

    bool AttachToTrack(ObjectTrack& track, bool randomX) override;
    bool IsBlocking(int px, int py) const override;
    const std::string& GetSpriteName() const override;
};
