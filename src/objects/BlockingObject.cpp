#include "objects/BlockingObject.h"

#include "world/BlockInfo.h"

BlockingObject::~BlockingObject() { BlockInfo::Instance().UnregisterBlocker(this); }
