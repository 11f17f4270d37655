#pragma once

#include <cairo.h>

// The piranha, facing right (red belly, blue-grey back, a tail that beats with `phase` 0 … 1),
// about 46 × 30 pixels at scale 1. `jaw` 0 … 1 opens its mouth.
void DrawPiranha(cairo_t* cr, double cx, double cy, double phase, double scale = 1, double angle = 0, double jaw = 0);
