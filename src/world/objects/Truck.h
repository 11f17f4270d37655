#pragma once

#include <string>
#include <vector>

#include "world/objects/RoadObject.h"

// A truck (one kind per livery, ObjectKinds). Only the half of its body ahead of its centre blocks,
// less frontNonBlockWidth; the rear half can be jumped on and ridden. It carries one star for
// the first frog that lands on it, and kills a frog that rides it longer than killInterval in
// its livery's way (state 4 plays the kill animation).
class Truck final : public RoadObject {
public:
    static constexpr int kStateKilling = 4;

    Truck(std::string name, int kind);

    bool AttachToTrack(ObjectTrack& track, bool randomX) override;
    bool Contains(int px, int py) const override;
    bool IsBlocking(int px, int py) const override;
    void OnFrogLanded(Frog& frog) override;
    void Update(float dt) override;
    void Draw(float animTime, bool mirrored) override;
    const std::string& GetSpriteName() const override;

    bool HasStar() const { return hasStar_; }
    float GetKillTimer() const { return killTimer_; }
    float GetKillInterval() const { return killInterval_; }
    // The frog command of this livery's kill.
    int KillCommand() const;

private:
    // Catalogue keys of a kind's sprites, by kind number (empty where the kind has none).
    struct Keys {
        std::string drive;
        std::string kill;
        std::string overlay;
    };
    static const std::vector<Keys>& SpriteKeys();

    bool hasStar_ = true;
    float killTimer_ = 0.0f;
    float killInterval_ = 0.0f;
    float frontNonBlockWidth_ = 0.0f;
    int starOffsetY_ = 0;
};
