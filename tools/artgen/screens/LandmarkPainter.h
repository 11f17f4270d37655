#pragma once

#include <cairo.h>

#include "WorldLayout.h"

// Paints what stands on the world's grass: the rocks, posts, tree trunks and ponds of the level
// files (so the picture shows every blocker and water cell the game knows), and the pond at the
// end of the journey where the frog celebrates.
class LandmarkPainter final {
public:
    LandmarkPainter(const WorldLayout& layout, cairo_t* cr) : layout_(layout), cr_(cr) {}

    void PaintBlockersAndPonds();
    void PaintFinale();

private:
    void PaintPondRun(int row, int firstLat, int lastLat);
    void PaintRock(double cx, double cy, unsigned seed);
    void PaintPost(double cx, double cy);
    void PaintTreeTrunk(double cx, double cy);

    const WorldLayout& layout_;
    cairo_t* cr_;
};
