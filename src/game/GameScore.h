#pragma once

#include <cstdint>

#include "core/Singleton.h"

// The player's score, the number the HUD shows (which counts towards the score instead of
// jumping), and the stars collected towards the next bonus life. Knows what every scoring event
// is worth; positions passed in are view positions (object minus scroll, whole units, y up).
class GameScore final : public Singleton<GameScore> {
public:
    // Zeroes score, displayed score and stars and reads the point values.
    bool Reset();
    // Moves the displayed score towards the score at scoreCountSpeed points per second.
    void Update(float dt);

    void AddTimeBonus(float timeLeftSeconds, int viewX, int viewY);
    void AddLevelDone();
    void AddInsect(int kind, int viewX, int viewY);
    void AddPiercing(int viewX, int viewY);
    // True when this star completes a set and a bonus life is due (the caller awards it).
    bool AddStar(int viewX, int viewY);
    void AddTruckToTruck();
    // A star bonus instead of a life: added directly, not clamped, no popup.
    void AddDirect(int32_t points) { score_ += points; }

    // What a whole game brought in, for the closing tally; zeroed by Reset.
    struct Tally {
        int32_t frogsHome = 0;
        int32_t insectsEaten = 0;
        int32_t starsPicked = 0;
        int32_t timeBonus = 0;
    };
    const Tally& GetTally() const { return tally_; }

    int32_t Score() const { return score_; }
    float DisplayedScore() const { return displayedScore_; }
    int32_t StarsCollected() const { return starsCollected_; }
    int32_t NumStarsForBonusLife() const { return numStarsForBonusLife_; }

    // Tests set the state directly.
    void SetForTest(int32_t score, float displayed) {
        score_ = score;
        displayedScore_ = displayed;
    }

    // Insect kinds of the insect table whose value is a settings key.
    static int32_t InsectValue(int kind, const GameScore& values);

private:
    friend class Singleton<GameScore>;
    GameScore() = default;

    void Add(int32_t value, int viewX, int viewY, bool clampAtZero);

    int32_t score_ = 0;
    float displayedScore_ = 0.0f;
    float scoreCountSpeed_ = 0.0f;
    int32_t starsCollected_ = 0;
    int32_t piercingScore_ = 0;
    int32_t businessBugScore_ = 0;
    int32_t butterflyScore_ = 0;
    int32_t newsBugScore_ = 0;
    int32_t toolBugScore_ = 0;
    int32_t voyagerBugScore_ = 0;
    int32_t starScore_ = 0;
    int32_t truckToTruckTravelScore_ = 0;
    int32_t numStarsForBonusLife_ = 0;
    int32_t scorePerSecLeft_ = 0;
    bool scorePerSecLeftRead_ = false;
    Tally tally_;
};
