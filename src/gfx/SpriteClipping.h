#pragma once

#include "gfx/Rect.h"

// Clipping of sprite draws to the 800 × 600 screen. Rectangles are inclusive.
namespace clip {

constexpr int kScreenRight = 799;
constexpr int kScreenBottom = 599;

// Unscaled draw of `source` with its top-left pixel at (x, y): moves the point onto the screen
// and cuts the source to what is visible. True when something is left to draw; a visible part
// of a single column or row is not drawn.
bool ClipToScreen(int& x, int& y, Rect& source);

// Stretched draw of `source` into `destination`: cuts both to the screen, moving the source edges
// in proportion. True when something is left to draw.
bool ClipStretched(Rect& destination, Rect& source);

}  // namespace clip
