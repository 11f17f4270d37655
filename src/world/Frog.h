#pragma once

#include <optional>
#include <string>

#include "objects/GameObject.h"
#include "objects/VisualObject.h"
#include "world/Point.h"

class Box;
class TrackObject;

// The player's frog: what the world and its objects rely on — its commands, the object it rides
// (carrier), the object its jump lands on (target), the box killing it, and where it stood at
// the start of its last update. Movement and states build on this.
class Frog : public GameObject, public VisualObject {
public:
    Frog();
    ~Frog() override = default;

    // Clears the queue, then queues the command: at most one command is ever pending.
    void QueueCommand(int command);
    std::optional<int> PendingCommand() const { return pendingCommand_; }
    void ClearCommands() { pendingCommand_.reset(); }

    // Hands the frog to a new carrier: the new one hears OnFrogLanded, the old one OnFrogLeft,
    // and frogAboard follows.
    void SetCarrier(TrackObject* carrier);
    TrackObject* GetCarrier() const { return carrier_; }
    TrackObject* GetTarget() const { return target_; }
    void SetTarget(TrackObject* target) { target_ = target; }
    Box* GetKillingBox() const { return killingBox_; }
    void SetKillingBox(Box* box) { killingBox_ = box; }
    IntPoint GetPreviousPosition() const { return previousPosition_; }
    void SetPreviousPosition(IntPoint p) { previousPosition_ = p; }

    // Part of the current jump already covered.
    virtual IntPoint GetMoveOffset() const;
    // Where the frog is seen: rounded position plus the jump offset.
    IntPoint GetVisiblePosition() const;

    // An object is being destroyed: drop every link to it, so none dangles.
    void ForgetObject(const TrackObject* object);

    const std::string& GetSpriteName() const override;

protected:
    std::optional<int> pendingCommand_;
    TrackObject* carrier_ = nullptr;
    TrackObject* target_ = nullptr;
    Box* killingBox_ = nullptr;
    IntPoint previousPosition_;
};
