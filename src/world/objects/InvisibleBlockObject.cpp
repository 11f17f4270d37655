#include "world/objects/InvisibleBlockObject.h"

#include <cstdlib>
#include <utility>

#include "world/BlockInfo.h"

InvisibleBlockObject::InvisibleBlockObject(std::string name) : GameObject(std::move(name)) {}

void InvisibleBlockObject::SetBlockRect(int x, int y, int width, int height) {
    blockX_ = x;
    blockY_ = y;
    blockWidth_ = width;
    blockHeight_ = height;
    BlockInfo::Instance().RegisterBlocker(this);
}

bool InvisibleBlockObject::IsBlocking(int px, int py) const {
    return 2 * std::abs(px - blockX_) <= blockWidth_ && 2 * std::abs(py - blockY_) <= blockHeight_;
}

bool InvisibleBlockObject::IsBlockingAfter(int px, int py, float) const { return IsBlocking(px, py); }
