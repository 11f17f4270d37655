#pragma once

#include <string>

#include "world/objects/GameObject.h"
#include "world/Point.h"

class Frog;
class GameContext;
class Sprite;

// An insect flying over the playfield, independent of the lanes. Most kinds are eaten by the
// frog's catch command; the big bug and the taxi bug dive at the frog and pierce it instead.
// It keeps its own position and draws itself in Update. Its owner deletes it once it is
// swallowed (Finished) or has left the grid (CellIndex −1).
class Insect final : public GameObject {
public:
    enum Kind : int { kBigBug = 1, kBusinessBug, kButterfly, kNewsBug, kTaxiBug, kToolBug, kVoyagerBug };
    enum State : int { kFlyLeft = 1, kFlyRight, kFlyUp, kFlyDown, kAttack, kPiercing };
    static constexpr int kNumKinds = 7;

    explicit Insect(GameContext& game);

    void Init(int kind);
    void Update(float dt) override;
    // The frog's catch command reached this insect.
    void Catch(Frog& frog);

    void SetPosition(float x, float y);
    float GetX() const { return x_; }
    float GetY() const { return y_; }
    IntPoint GetRoundedPosition() const;
    // Position minus the rounded scroll position (whole units, y up).
    IntPoint GetViewPosition() const;
    int GetKind() const { return kind_; }
    bool IsPiercer() const { return kind_ == kBigBug || kind_ == kTaxiBug; }
    bool IsEaten() const { return eaten_; }
    bool IsFinished() const { return finished_; }
    int GetCellIndex() const { return cellIndex_; }
    float GetSpeed() const { return speed_; }

    // Sprite (normalised key) and mirroring of the current state.
    const std::string& GetSpriteName() const;
    bool IsMirrored() const;

private:
    void DecideAndMove(float dt);
    void Attack(float dt, Frog* frog);
    void Pierce(Frog* frog);
    void Swallow(float dt);
    void Draw();
    void RandomDirection();
    bool FrogInRange(const Frog& frog) const;
    Sprite* CurrentSprite() const;

    GameContext& game_;
    int kind_ = kBusinessBug;
    float speed_ = 0.0f;
    float x_ = 0.0f;
    float y_ = 0.0f;
    int lastMoveX_ = 0;
    int lastMoveY_ = 0;
    float animTime_ = 0.0f;
    float dirTimer_ = 0.0f;
    bool finished_ = false;
    bool eaten_ = false;
    float shrinkTimer_ = 0.0f;
    float shrinkInterval_ = 0.0f;
    int cellIndex_ = -1;
    float approachTimer_ = 0.0f;
    float maxApproachTime_ = 0.0f;
    // Shared values, re-read at every Init.
    float chanceChangeDirVert_ = 0.0f;
    float chancePierce_ = 0.0f;
    int maxPierceDist_ = 0;
    IntPoint drawOffset_;
};
