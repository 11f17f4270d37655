#pragma once

#include <optional>
#include <string>

#include "world/objects/GameObject.h"
#include "world/objects/VisualObject.h"
#include "world/FrogState.h"
#include "world/Point.h"

class Box;
class TrackObject;
class Truck;
class World;

// The player's frog. It jumps cell by cell, one jump per command; a jump is an animation whose
// length is the state's sprite animation, and the logical position changes only when it ends
// (the sprites carry the travel). It rides river objects and trucks (its carrier), is steered
// onto a moving landing spot (its target), and dies in a dozen ways, each ending with
// animationDone, after which the level flow takes over.
//
// Commands are state numbers (FrogState.h); at most one waits, and only the idle frog takes it.
class Frog : public GameObject, public VisualObject {
public:
    // Fraction of a jump after which a new direction key is taken (kept for after the landing).
    static constexpr float kCommandGate = 0.4f;

    Frog();
    ~Frog() override = default;

    // Places the frog on the level's start cell with a fresh state, for a new level or frog.
    void Restart();
    // Unchanged state: nothing. Otherwise the new state starts at time 0 with its sound; up, down
    // and rocket jumps leave the carrier first.
    int SetState(int s) override;
    // One frame of play: the state's step, then the drawing.
    void Update(float dt) override;
    // The drawing alone, where and as the frog stands: a frozen frame (the pause, the closing
    // scroll) takes no command, catches nothing and starts no sound.
    void Redraw();
    const std::string& GetSpriteName() const override;

    // Direction keys (commands 2 … 5): dropped during the first 40 % of a jump.
    void RequestMove(int command);
    void RequestCatchInsects();
    // Clears the queue, then queues the command: at most one command is ever pending.
    void QueueCommand(int command);
    std::optional<int> PendingCommand() const { return pendingCommand_; }

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
    // Draw offset of the current state (plus the frozen jump offset when knocked over).
    IntPoint GetStateOffset() const;

    // Knocked over where it was seen: the jump offset is kept for the drawing.
    void KnockOver(IntPoint seenOffset);
    bool IsAnimationDone() const { return animationDone_; }
    // Insects closer than this to the visible position are caught by the catch command.
    float GetCatchInsectsDistance() const { return catchInsectsDistance_; }
    // Jump progress: state time ÷ the state's animation length, not clamped.
    float JumpProgress() const;

    // An object is being destroyed: drop every link to it, so none dangles.
    void ForgetObject(const TrackObject* object);

    // World units of the jump of a state (0 for states that do not jump).
    static int JumpDistance(int state);
    // Horizontal jump (left, right) rather than vertical (up, down and the truck and rocket jumps).
    static bool IsSidewaysJump(int state) { return state == FS_MOVE_LEFT || state == FS_MOVE_RIGHT; }
    static bool IsJump(int state) { return state >= FS_MOVE_LEFT && state <= FS_ROCKET_JUMP_BOARDING; }
    // The frog is being killed by the truck it rides.
    static bool IsTruckKill(int state) { return state >= FS_KILL_TRUCK_AQUARIUM && state <= FS_KILL_TRUCK_GARBAGE; }

private:
    void TryMove(int command);
    void TryMoveOnTruck(Truck& truck, int command);
    bool TryDeathCommand(int command);
    void Refuse();
    void IdleStep(float dt);
    void JumpStep(float dt);
    void BoxDrowningStep();
    void RideCarrier(float dt);
    void DrawOverlays();
    void LoadOffsets();
    float AnimationLength(const std::string& key) const;
    float CurrentAnimationLength() const;
    World& GetWorld() const;
    void PlayStateSounds(int state);
    // A state or command outside the tables: one line naming it, then the quit request.
    void Impossible(const char* what, int number) const;

    std::optional<int> pendingCommand_;
    TrackObject* carrier_ = nullptr;
    TrackObject* target_ = nullptr;
    Box* killingBox_ = nullptr;
    IntPoint previousPosition_;
    IntPoint drawOffsets_[kFrogStateCount] = {};
    IntPoint knockedOverOffset_;
    IntPoint hammerDownOffset_;
    IntPoint explosionOffset_;
    float catchInsectsDistance_ = 0.0f;
    float rocketJumpLookAhead_ = 0.0f;
    bool animationDone_ = false;
    bool stateSoundStarted_ = false;  // the sound of the current state (idle croak, sinking) has started
};
