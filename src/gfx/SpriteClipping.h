#pragma once

#include "gfx/Rect.h"

struct DrawParams;

// Clipping of sprite draws to the 800 × 600 screen. Rectangles are inclusive.
namespace clip {

constexpr int kScreenRight = 799;
constexpr int kScreenBottom = 599;

// Unscaled draw of `source` with its top-left pixel at (x, y): moves the point onto the screen
// and cuts the source to what is visible. True when something is left to draw; a visible part
// of a single column or row is not drawn.
bool ClipToScreen(int& x, int& y, Rect& source);

// Unscaled draw request of a sprite of the given size whose picture starts (trimX, trimY) into
// its frame: the destination point, moved up and left by half the size when centred, then by the
// trim offset, and clipped as ClipToScreen. True when something is left to draw.
bool PlaceOnScreen(const DrawParams& params, int width, int height, int trimX, int trimY, int& x, int& y, Rect& source);

// Stretched draw of `source` into `destination`: cuts both to the screen, moving the source edges
// in proportion. True when something is left to draw.
bool ClipStretched(Rect& destination, Rect& source);

}  // namespace clip
