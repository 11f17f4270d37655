#pragma once

#include <string>

#include "world/objects/TrackObject.h"

// Swims against a river track's current and eats an idle frog it touches (its track decides
// that and sets state 3); a piranha that has eaten races off the screen.
class Piranha final : public TrackObject {
public:
    static constexpr int kStateSwimming = 2;
    static constexpr int kStateCaught = 3;
    static constexpr int kSize = 32;
    // Per frame once it has caught the frog: off the screen at once.
    static constexpr float kExitStep = 1200.0f;

    explicit Piranha(std::string name);

    // Enters at the edge the current flows towards (randomX is ignored).
    bool AttachToTrack(ObjectTrack& track, bool randomX) override;
    void Update(float dt) override;
    const std::string& GetSpriteName() const override;
};
