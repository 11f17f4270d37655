#pragma once

#include <string>

#include "world/objects/BlockingObject.h"
#include "world/objects/GameObject.h"

// A rectangle the frog cannot enter, placed by a level's arbitrary-objects file. Never drawn.
class InvisibleBlockObject final : public GameObject, public BlockingObject {
public:
    explicit InvisibleBlockObject(std::string name);

    // Centre, full width and height in world units; registers the blocker.
    void SetBlockRect(int x, int y, int width, int height);

    bool IsBlocking(int px, int py) const override;
    bool IsBlockingAfter(int px, int py, float dt) const override;

private:
    int blockX_ = 0;
    int blockY_ = 0;
    int blockWidth_ = 0;
    int blockHeight_ = 0;
};
