#pragma once

#include <cairo.h>

// A water-lily pad with its notch, veins and (optionally) a pink flower; `turn` rotates the notch.
void DrawLilyPad(cairo_t* cr, double cx, double cy, double rx, double ry, double turn, bool flower);
// Flower alone (the goal lily carries a big one).
void DrawLilyFlower(cairo_t* cr, double cx, double cy, double size);
