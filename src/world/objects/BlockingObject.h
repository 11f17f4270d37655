#pragma once

// Interface of everything the frog cannot walk through. Blockers are listed in BlockInfo from
// their registration until their destruction; the destructor takes them out, so BlockInfo never
// asks a destroyed object.
class BlockingObject {
public:
    BlockingObject() = default;
    virtual ~BlockingObject();

    BlockingObject(const BlockingObject&) = delete;
    BlockingObject& operator=(const BlockingObject&) = delete;

    // Whole-unit point blocked now.
    virtual bool IsBlocking(int px, int py) const = 0;
    // Whole-unit point blocked dt seconds from now.
    virtual bool IsBlockingAfter(int px, int py, float dt) const = 0;
};
