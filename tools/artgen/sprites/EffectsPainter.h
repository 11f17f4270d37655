#pragma once

#include <cairo.h>

// Small effects shared by several animations.
namespace effects {

// A ring of disturbed water (light rim with a darker line) of radius rx × ry.
void Ripple(cairo_t* cr, double cx, double cy, double rx, double ry, double thickness = 3);
void Bubble(cairo_t* cr, double x, double y, double r);
// Water thrown up around a point; phase 0 … 1 (rises, spreads, falls).
void Splash(cairo_t* cr, double cx, double cy, double size, double phase);
// A five-pointed star path (not filled).
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, double rotation);
// Yellow dizzy stars circling at (cx, cy); phase 0 … 1 turns them once.
void DizzyStars(cairo_t* cr, double cx, double cy, double rx, double ry, double phase, int count = 3);
void SmokePuff(cairo_t* cr, double x, double y, double r, double grey = 0.55);
// A jagged lightning bolt between two points.
void Lightning(cairo_t* cr, double x0, double y0, double x1, double y1, unsigned seed);

}  // namespace effects
