#pragma once

#include <list>
#include <memory>

#include "core/Singleton.h"

class Frog;
class GameContext;
class Insect;

// The game's live insects, in the order they were spawned.
using InsectList = std::list<std::unique_ptr<Insect>>;

// Keeps the number of insects between a minimum and a maximum: every spawn interval it spawns
// one when there are too few, and otherwise by chance until there are enough.
class InsectFactory final : public Singleton<InsectFactory> {
public:
    bool Reset();
    // One new insect at the left or right edge of a random row, flying inwards.
    void Spawn(InsectList& insects, GameContext& game);
    void Update(float dt, InsectList& insects, GameContext& game);
    // Kind by the configured weights (each a weight key of the kind table).
    static int ChooseKind();

    // A frame of the game's insects: each updates (and draws); the swallowed and those that left
    // the grid are deleted; then the spawn timer runs.
    void UpdateInsects(float dt, InsectList& insects, GameContext& game);
    // The catch command: every insect closer than the frog's catch distance to where the frog
    // is seen is caught.
    static void CatchInsects(InsectList& insects, Frog& frog);

private:
    friend class Singleton<InsectFactory>;
    InsectFactory() = default;

    int minNumInsects_ = 0;
    int maxNumInsects_ = 0;
    int spawnChancePercent_ = 0;
    float spawnInterval_ = 0.0f;
    float spawnTimer_ = 0.0f;
};
