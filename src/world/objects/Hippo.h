#pragma once

#include <string>

#include "world/objects/RiverObject.h"

// A hippo that turns angry when the frog lands on it and dives diveDelay seconds later, whether
// or not the frog is still aboard.
class Hippo final : public RiverObject {
public:
    explicit Hippo(std::string name);

    bool AttachToTrack(ObjectTrack& track, bool randomX) override;
    void OnFrogLanded(Frog& frog) override;
    void OnFrogLeft(Frog& frog) override;
    void Update(float dt) override;
    const std::string& GetSpriteName() const override;

private:
    float angryTimer_ = 0.0f;
    float diveDelay_ = 0.0f;
};
