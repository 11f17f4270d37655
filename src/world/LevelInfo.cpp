#include "world/LevelInfo.h"

#include <cstdio>
#include <string>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "platform/Messages.h"
#include "world/GameContext.h"

namespace {
constexpr int kLevelsPerWorld = LevelInfo::kLastLevelIndex + 1;
constexpr int kBadConfigExit = 1;

int Int(const char* key) { return SettingsManager::Instance().GetInt(key); }
float Float(const char* key) { return SettingsManager::Instance().GetFloat(key); }

bool Reject(const std::string& message) {
    std::fprintf(stderr, "config.txt: %s\n", message.c_str());
    platform::PostQuitMessage(kBadConfigExit);
    return false;
}
}  // namespace

bool LevelInfo::LoadLevelSettings() {
    worldIndex = 0;
    levelIndex = 0;
    numWorlds = Int("numWorlds");
    numAreas = Int("numAreas");
    numVisibleAreas = Int("numVisibleAreas");
    numTracksPerArea = Int("numTracksPerArea");
    numCellsStartStrip = Int("numCellsStartStrip");
    numCellsPerTrack = Int("numCellsPerTrack");
    numCellsPerGrassStrip = Int("numCellsPerGrassStrip");
    timeLeftSeconds = Float("levelTimeSeconds");
    numFrogsToGoal = Int("numFrogsToGoal");
    frogsLeftToGoal = numFrogsToGoal;
    frogLifes = Int("numFrogLifes");
    maxNumBonusLifes = Int("maxNumBonusLifes");
    bonusLifesLeft = maxNumBonusLifes;
    starScoreBonus = Int("starScoreBonus");
    numCellsPerArea = numCellsPerGrassStrip + numCellsPerTrack * numTracksPerArea;
    areaTypes.clear();
    frogSpeedFactors.clear();

    bool valid = true;
    for (int i = 0; i < numAreas; ++i) {
        const std::string key = IndexedKey("areaType", i);
        const int type = SettingsManager::Instance().GetInt(key);
        if (type < 0 || type > kRiverArea) {
            valid = Reject(StringFormat("%s is %d; an area type must be 0, 1 (road) or 2 (river)", key.c_str(), type));
            break;
        }
        areaTypes.push_back(type);
    }
    for (int i = 0; i < numFrogsToGoal; ++i) {
        frogSpeedFactors.push_back(SettingsManager::Instance().GetFloat(IndexedKey("frogSpeedFactor", i)));
    }
    if (valid && numAreas < numVisibleAreas + kLevelsPerWorld - 1) {
        // Playable all the same: the areas the world lacks are built as empty roads.
        std::fprintf(stderr,
                     "config.txt: numAreas is %d; the %d levels of a world with %d visible areas "
                     "need at least %d\n",
                     numAreas, kLevelsPerWorld, numVisibleAreas, numVisibleAreas + kLevelsPerWorld - 1);
    }
    return valid;
}

bool LevelInfo::NextLevel() {
    ++levelIndex;
    if (levelIndex > kLastLevelIndex) return false;
    frogsLeftToGoal = numFrogsToGoal;
    ResetLevelTime();
    return true;
}

void LevelInfo::ResetLevelTime() { timeLeftSeconds = Float("levelTimeSeconds"); }

LevelInfo::BonusAward LevelInfo::AwardBonusLife(GameContext& game) {
    game.PlaySound("SOUND_BONUS_LIFE");
    if (bonusLifesLeft <= 0) return BonusAward::StarScore;
    --bonusLifesLeft;
    ++frogLifes;
    return BonusAward::ExtraLife;
}

int LevelInfo::GetNumLongCells() const {
    return (numCellsPerTrack * numTracksPerArea + numCellsPerGrassStrip) * numVisibleAreas + numCellsStartStrip;
}

int LevelInfo::AreaType(int areaIndex) const {
    if (areaIndex < 0 || areaIndex >= static_cast<int>(areaTypes.size())) return 0;
    return areaTypes[static_cast<size_t>(areaIndex)];
}

float LevelInfo::FrogSpeedFactor(int k) const {
    if (k < 0 || k >= static_cast<int>(frogSpeedFactors.size())) return 1.0f;
    return frogSpeedFactors[static_cast<size_t>(k)];
}
