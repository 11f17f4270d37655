#pragma once

#include <cairo.h>

#include "Paint.h"
#include "WorldLayout.h"

// Paints the tall world picture that every level's background is cut from: start strip, grass
// strips, roads with lane markings and rivers, then the landmarks (LandmarkPainter). Light comes
// from the top left; things that stand up show a darker face towards the bottom of the picture
// (the view is tilted slightly).
class WorldPainter final {
public:
    WorldPainter(const WorldLayout& layout, cairo_t* cr);

    void PaintWorld();

    // Pieces, also used by the title screen's backdrop. y0 and y1 are picture rows.
    void PaintGrass(double y0, double y1, unsigned seed);
    void PaintRoad(double top, double bottom, bool underpass, unsigned seed);
    // A deep river (where piranhas live) is darker.
    void PaintRiver(double top, double bottom, unsigned seed, bool deep = false);

private:
    void PaintStartStrip();
    void PaintArea(int area);

    const WorldLayout& layout_;
    cairo_t* cr_;
};
