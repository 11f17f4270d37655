#pragma once

#include <string_view>

#include "world/GameState.h"
#include "world/Point.h"

class Frog;
class Sprite;
class VisualObject;
class World;

// What the world and its objects need from the running game, and the few things they tell it.
// The game implements it; tests implement their own, without a window. Objects never reach the
// game in any other way.
class GameContext {
public:
    virtual ~GameContext() = default;

    // Lower left corner of the screen in world units (not rounded).
    virtual FloatPoint GetScrollPosition() const = 0;
    // The frog of the running game; null while there is none.
    virtual Frog* GetFrog() = 0;
    virtual World& GetWorld() = 0;
    // The game's current state.
    virtual GameState GetGameState() const = 0;
    // The title-menu option: cars and trucks draw their shadows.
    virtual bool ShadowsOn() const = 0;

    // Catalogue sprite by normalised key; null when there is none (then nothing is drawn).
    virtual Sprite* GetSprite(std::string_view key, bool mirrored) = 0;
    // Plays a sound effect once, by resource name ("SOUND_DIVE"); nothing when sound is off.
    virtual void PlaySound(std::string_view name) = 0;

    // The frog has begun to die: the game switches to its dying state.
    virtual void StartFrogDying() = 0;
    virtual void ResetScrollTarget() = 0;
    // The frog picked up a star at this object: score, pop-up, star count.
    virtual void AddStar(const VisualObject& where) = 0;

    // The frog's own needs; the defaults suit a world without score, messages or insects.
    // Sound by resource name, through the sound helpers (nothing when sound is off).
    virtual void StopSound(std::string_view name);
    virtual bool IsSoundPlaying(std::string_view name, bool defaultValue) const;
    // The frog hopped from truck to truck: the hop bonus and its message.
    virtual void OnTruckToTruck() {}
    // The level time ran out and knocked the frog over: the time-out message.
    virtual void OnFrogTimedOut() {}
    // The frog's catch command: every insect in reach of the frog is caught.
    virtual void CatchInsects(Frog&) {}
    // An insect was eaten, or ended its piercing, at this view position (object minus scroll,
    // whole units, y up): the score and its pop-up.
    virtual void OnInsectEaten(int /*kind*/, IntPoint /*viewPosition*/) {}
    virtual void OnInsectPierced(IntPoint /*viewPosition*/) {}
};
