#pragma once

#include <cairo.h>

// Small plants scattered over the world and the screens: flowers in the grass, reeds at the
// water's edge. Deterministic for a given seed.
namespace flora {

// `count` five-petal flowers between the rows y0 and y1 of a picture `width` wide.
void Flowers(cairo_t* cr, double width, double y0, double y1, int count, unsigned seed);
// A clump of reeds standing at (x, baseY), some with cattails.
void Reeds(cairo_t* cr, double x, double baseY, unsigned seed);

}  // namespace flora
