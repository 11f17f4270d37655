#include "world/objects/BlockingObject.h"

#include "world/BlockInfo.h"

BlockingObject::~BlockingObject() {
    if (!BlockInfo::IsGone()) BlockInfo::Instance().UnregisterBlocker(this);
}
