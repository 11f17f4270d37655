#pragma once

#include <cstddef>
#include <set>

#include "core/Singleton.h"

class BlockingObject;

// Knows every live blocker (cars, trucks, invisible blockers) without owning them, and answers
// whether a point is blocked now or will be after a while. Asked before every jump and every
// frame by the collision check.
class BlockInfo final : public Singleton<BlockInfo> {
public:
    void RegisterBlocker(BlockingObject* blocker);
    void UnregisterBlocker(BlockingObject* blocker);
    void ClearBlockers();

    bool IsBlocked(int x, int y) const;
    bool IsBlockedAfter(int x, int y, float dt) const;

    size_t Count() const { return blockers_.size(); }

    // True once the process-wide instance has been destroyed at exit: blockers that outlive it
    // (a world torn down after it) have nothing left to leave.
    static bool IsGone();

private:
    friend class Singleton<BlockInfo>;
    BlockInfo() = default;
    ~BlockInfo();

    // Ordered by address, so the walk order is stable within a run.
    std::set<BlockingObject*> blockers_;
};
