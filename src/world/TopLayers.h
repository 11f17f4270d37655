#pragma once

#include <vector>

#include "world/Point.h"

class GameContext;

// Decoration sprites drawn over the moving objects: the road top layer right after the tracks,
// the top layer after the frog. Each sprite is stored by its lower left corner in world units.
class TopLayers {
public:
    // Each level starts this many world units higher in the world's layout.
    static constexpr int kLevelShift = 450;

    void LoadTopLayers(int levelIndex);
    void DrawTopLayer(GameContext& game) const;
    void DrawRoadTopLayer(GameContext& game) const;

    const std::vector<IntPoint>& TopLayer() const { return topLayer_; }
    const std::vector<IntPoint>& RoadTopLayer() const { return roadTopLayer_; }

private:
    static void Draw(GameContext& game, const std::vector<IntPoint>& layer, const char* prefix);

    std::vector<IntPoint> topLayer_;
    std::vector<IntPoint> roadTopLayer_;
};
