#pragma once

#include <list>
#include <memory>
#include <vector>

#include "world/objects/Background.h"
#include "world/LevelInfo.h"
#include "world/Point.h"
#include "world/Scroller.h"
#include "world/TopLayers.h"
#include "world/WorldGrid.h"

class Area;
class Frog;
class GameContext;
class GameObject;
class TrackObject;
class WaterLilyGoal;

// The level the frog crosses: level data, grid, background, the visible areas with their tracks,
// the goal and the level's placed objects, the top layers and the scroll. The game owns one and
// rebuilds the level in it at every level start:
//   CreateGrid, LoadBackground, BuildAreas, PlaceGoalAndObjects, (frog Restart, insects),
//   LoadTopLayers, GetScroller().ResetScrollTarget(), PreRun.
// A frame of play, as far as the world goes:
//   GetScroller().FollowFrog(frog visible position), GetScroller().UpdateScroll(dt),
//   UpdateBackground(dt), (frog, when DrawsFrogUnderTraffic), UpdateAreas(dt, true),
//   (frog otherwise), (collision check), DrawTopLayer().
class World {
public:
    // Steps of the level pre-run, seconds.
    static constexpr float kPreRunStep = 0.1f;
    // Row of the goal cell when a level configures none.
    static constexpr int kRandomGoalRow = 19;
    static constexpr int kRandomGoalFirstLat = 2;
    static constexpr int kRandomGoalLatCount = 16;

    explicit World(GameContext& game);
    ~World();

    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // Lays out the grid from the settings; false (grid unchanged) when the sizes do not divide
    // into whole cells.
    bool CreateGrid();
    // Cuts the current level's background and shows it where the view stands. False (the old
    // picture stays) when the world picture cannot be had.
    bool LoadBackground();
    // Draws the background; dt 0 freezes it (it only follows the scroll).
    void UpdateBackground(float dt);
    void BuildAreas();
    // Every area, lowest first; then the road top layer and the placed objects (the goal).
    void UpdateAreas(float dt, bool forceMove);
    // Advances the new level's traffic by the setting initInterval in steps of kPreRunStep.
    void PreRun();
    void PlaceGoalAndObjects();
    void LoadTopLayers();
    void DrawTopLayer();
    void DrawRoadTopLayer();
    // Multiplies every track's speed by the factor for the frogs home now.
    void ApplyFrogSpeedFactor();
    // Drops the areas and the placed objects (the closing scroll shows none).
    void ClearLevel();

    Area* FindAreaAt(int x, int y) const;
    TrackObject* FindTrackObjectAt(int x, int y) const;
    TrackObject* FindTrackObjectAfter(int x, int y, float dt) const;
    // Distance from a frog position (without jump offset) to the goal; false without a goal.
    bool IsWithinGoalDistance(FloatPoint frogPosition, float inGoalDistance) const;
    // Whether the frog is updated and drawn before the areas, so that the traffic passes over it:
    // on a road, standing on its own, and not jumping off or between trucks. A riding or boarding
    // frog, and one on the river, is drawn on top.
    bool DrawsFrogUnderTraffic(const Frog& frog) const;

    GameContext& GetContext() const { return game_; }
    LevelInfo& GetLevelInfo() { return levelInfo_; }
    const LevelInfo& GetLevelInfo() const { return levelInfo_; }
    WorldGrid& GetGrid() { return grid_; }
    const WorldGrid& GetGrid() const { return grid_; }
    Scroller& GetScroller() { return scroller_; }
    const Scroller& GetScroller() const { return scroller_; }
    const TopLayers& GetTopLayers() const { return topLayers_; }
    const std::vector<std::unique_ptr<Area>>& GetAreas() const { return areas_; }
    WaterLilyGoal* GetGoal() const { return goal_; }
    const std::list<std::unique_ptr<GameObject>>& GetPlacedObjects() const { return objectList_; }

    // Object kinds on every track, per visible area from the lowest, per track from the lowest
    // (the runner's state dump).
    std::vector<std::vector<std::vector<int>>> DescribeTracks() const;

private:
    IntPoint ChooseRandomGoalCell() const;
    void AddBlocker(const IntPoint& centre, int width, int height);

    GameContext& game_;
    LevelInfo levelInfo_;
    WorldGrid grid_;
    Background background_;
    Scroller scroller_;
    TopLayers topLayers_;
    // Areas are held by pointer: tracks and objects keep links to them.
    std::vector<std::unique_ptr<Area>> areas_;
    std::list<std::unique_ptr<GameObject>> objectList_;
    WaterLilyGoal* goal_ = nullptr;
};
