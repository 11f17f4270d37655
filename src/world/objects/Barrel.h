#pragma once

#include <string>

#include "world/objects/RiverObject.h"

// A floating barrel: the frog lands on its centre.
class Barrel final : public RiverObject {
public:
    explicit Barrel(std::string name);

    bool AttachToTrack(ObjectTrack& track, bool randomX) override;
    const std::string& GetSpriteName() const override;
};
