#include "game/GameScore.h"

#include <algorithm>

#include "settings/SettingsManager.h"
#include "game/ScreenMessage.h"

namespace {
// The insect kinds with a value of their own; every other kind is worth kOtherInsectValue.
constexpr int kBusinessBug = 2;
constexpr int kButterfly = 3;
constexpr int kNewsBug = 4;
constexpr int kToolBug = 6;
constexpr int kVoyagerBug = 7;
constexpr int32_t kOtherInsectValue = 10;
}  // namespace

bool GameScore::Reset() {
    SettingsManager& s = SettingsManager::Instance();
    score_ = 0;
    displayedScore_ = 0.0f;
    starsCollected_ = 0;
    tally_ = Tally{};
    scoreCountSpeed_ = s.GetFloat("scoreCountSpeed");
    piercingScore_ = s.GetInt("piercingScore");
    businessBugScore_ = s.GetInt("businessBugScore");
    butterflyScore_ = s.GetInt("butterflyScore");
    newsBugScore_ = s.GetInt("newsBugScore");
    toolBugScore_ = s.GetInt("toolBugScore");
    voyagerBugScore_ = s.GetInt("voyagerBugScore");
    starScore_ = s.GetInt("starScore");
    truckToTruckTravelScore_ = s.GetInt("truckToTruckTravelScore");
    numStarsForBonusLife_ = static_cast<int32_t>(s.GetFloat("numStarsForBonusLife"));
    return true;
}

void GameScore::Update(float dt) {
    if (static_cast<int32_t>(displayedScore_) == score_) return;
    const float step = dt * scoreCountSpeed_;
    const float target = static_cast<float>(score_);
    if (displayedScore_ < target) {
        displayedScore_ += step;
        if (displayedScore_ >= target) displayedScore_ = target;
    } else {
        displayedScore_ -= step;
        if (displayedScore_ <= target) displayedScore_ = target;
    }
}

void GameScore::Add(int32_t value, int viewX, int viewY, bool clampAtZero) {
    ScreenMessage::Instance().AddScorePopup(viewX, viewY, value);
    score_ += value;
    if (clampAtZero) score_ = std::max(score_, 0);
}

void GameScore::AddTimeBonus(float timeLeftSeconds, int viewX, int viewY) {
    if (!scorePerSecLeftRead_) {
        scorePerSecLeft_ = SettingsManager::Instance().GetInt("scorePerSecLeft");
        scorePerSecLeftRead_ = true;
    }
    const int32_t bonus = static_cast<int32_t>(timeLeftSeconds * static_cast<float>(scorePerSecLeft_));
    Add(bonus, viewX, viewY, false);
    ++tally_.frogsHome;
    tally_.timeBonus += bonus;
}

void GameScore::AddLevelDone() { score_ += SettingsManager::Instance().GetInt("areaDoneScore"); }

int32_t GameScore::InsectValue(int kind, const GameScore& v) {
    switch (kind) {
    case kBusinessBug: return v.businessBugScore_;
    case kButterfly: return v.butterflyScore_;
    case kNewsBug: return v.newsBugScore_;
    case kToolBug: return v.toolBugScore_;
    case kVoyagerBug: return v.voyagerBugScore_;
    default: return kOtherInsectValue;
    }
}

void GameScore::AddInsect(int kind, int viewX, int viewY) {
    Add(InsectValue(kind, *this), viewX, viewY, true);
    ++tally_.insectsEaten;
}

void GameScore::AddPiercing(int viewX, int viewY) { Add(piercingScore_, viewX, viewY, true); }

bool GameScore::AddStar(int viewX, int viewY) {
    Add(starScore_, viewX, viewY, false);
    ++starsCollected_;
    ++tally_.starsPicked;
    if (numStarsForBonusLife_ > 0 && starsCollected_ >= numStarsForBonusLife_) {
        starsCollected_ -= numStarsForBonusLife_;
        return true;
    }
    return false;
}

void GameScore::AddTruckToTruck() { score_ += truckToTruckTravelScore_; }
