#pragma once

#include <string>

#include "world/objects/RiverObject.h"

// A log: rides the current for life; the frog may stand anywhere on it.
class Trunk final : public RiverObject {
public:
    explicit Trunk(std::string name);

    bool AttachToTrack(ObjectTrack& track, bool randomX) override;
    const std::string& GetSpriteName() const override;
};
