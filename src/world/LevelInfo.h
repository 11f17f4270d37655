#pragma once

#include <vector>

class GameContext;

// How a world is dimensioned, what a level demands, and the running level counters.
//
// From the bottom of the playfield upwards: a start strip of numCellsStartStrip rows, then for
// every visible area numTracksPerArea tracks of numCellsPerTrack rows and one grass strip of
// numCellsPerGrassStrip rows. Level levelIndex shows the areas levelIndex … levelIndex +
// numVisibleAreas − 1 of the world.
class LevelInfo {
public:
    static constexpr int kLastLevelIndex = 4;
    static constexpr int kRiverArea = 2;

    enum class BonusAward { ExtraLife, StarScore };

    // Reads every level key. False (after one line on standard error and a quit request with
    // status 1) when an area type is not 0, 1 or 2 or the world has too few areas for its levels.
    bool LoadLevelSettings();
    // Next window of areas; false after the last level (levelIndex then stands past it).
    bool NextLevel();
    void ResetLevelTime();
    // Plays the bonus sound and gives a life while bonus lives are left. On StarScore nothing
    // else changes here: the caller (the scoring) adds starScoreBonus to the score and shows
    // the star-bonus message; on ExtraLife it shows the bonus-life message.
    BonusAward AwardBonusLife(GameContext& game);
    int GetNumLongCells() const;

    // Area type of an absolute area index; a road (0) for an index the world does not have.
    int AreaType(int areaIndex) const;
    // Speed factor for k frogs home; 1 when the world configures none for k.
    float FrogSpeedFactor(int k) const;
    // Frogs already in a goal in this level.
    int FrogsHome() const { return numFrogsToGoal - frogsLeftToGoal; }

    int worldIndex = 0;
    int levelIndex = 0;
    int numWorlds = 0;
    int numAreas = 0;
    int numVisibleAreas = 0;
    int numTracksPerArea = 0;
    int numCellsStartStrip = 0;
    int numCellsPerGrassStrip = 0;
    int numCellsPerTrack = 0;
    int numCellsPerArea = 0;
    float timeLeftSeconds = 0.0f;
    int numFrogsToGoal = 0;
    int frogsLeftToGoal = 0;
    int frogLifes = 0;
    int bonusLifesLeft = 0;
    int maxNumBonusLifes = 0;
    int starScoreBonus = 0;
    std::vector<int> areaTypes;
    std::vector<float> frogSpeedFactors;
};
