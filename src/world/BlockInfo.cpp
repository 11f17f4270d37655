#include "world/BlockInfo.h"

#include "world/objects/BlockingObject.h"

namespace {
bool gone = false;
}  // namespace

BlockInfo::~BlockInfo() { gone = true; }

bool BlockInfo::IsGone() { return gone; }

void BlockInfo::RegisterBlocker(BlockingObject* blocker) {
    if (blocker != nullptr) blockers_.insert(blocker);
}

void BlockInfo::UnregisterBlocker(BlockingObject* blocker) { blockers_.erase(blocker); }

void BlockInfo::ClearBlockers() { blockers_.clear(); }

bool BlockInfo::IsBlocked(int x, int y) const {
    for (const BlockingObject* blocker : blockers_) {
        if (blocker->IsBlocking(x, y)) return true;
    }
    return false;
}

bool BlockInfo::IsBlockedAfter(int x, int y, float dt) const {
    for (const BlockingObject* blocker : blockers_) {
        if (blocker->IsBlockingAfter(x, y, dt)) return true;
    }
    return false;
}
