#include "gfx/SpriteClipping.h"

#include "gfx/DrawParams.h"

namespace clip {

bool ClipToScreen(int& x, int& y, Rect& source) {
    if (x < 0) {
        source.left -= x;
        x = 0;
    }
    if (y < 0) {
        source.top -= y;
        y = 0;
    }
    if (x + (source.right - source.left) > kScreenRight) source.right = source.left - x + kScreenRight;
    if (y + (source.bottom - source.top) > kScreenBottom) source.bottom = source.top - y + kScreenBottom;
    return source.left < source.right && source.top < source.bottom;
}

bool ClipStretched(Rect& destination, Rect& source) {
    // A destination without area would divide by zero below; it shows nothing anyway.
    if (destination.right < destination.left || destination.bottom < destination.top) return false;
    const float sx = static_cast<float>(source.Width()) / static_cast<float>(destination.Width());
    const float sy = static_cast<float>(source.Height()) / static_cast<float>(destination.Height());
    if (destination.left < 0) {
        source.left += static_cast<int>(static_cast<float>(-destination.left) * sx);
        destination.left = 0;
    }
    if (destination.top < 0) {
        source.top += static_cast<int>(static_cast<float>(-destination.top) * sy);
        destination.top = 0;
    }
    if (destination.right > kScreenRight) {
        source.right += static_cast<int>(static_cast<float>(kScreenRight - destination.right) * sx);
        destination.right = kScreenRight;
    }
    if (destination.bottom > kScreenBottom) {
        source.bottom += static_cast<int>(static_cast<float>(kScreenBottom - destination.bottom) * sy);
        destination.bottom = kScreenBottom;
    }
    // A destination wholly off the screen ends up inverted after the cut.
    if (destination.right < destination.left || destination.bottom < destination.top) return false;
    return source.left < source.right && source.top < source.bottom && source.left >= 0 && source.top >= 0;
}

bool PlaceOnScreen(const DrawParams& params, int width, int height, int trimX, int trimY, int& x, int& y,
                   Rect& source) {
    x = params.dstX;
    y = params.dstY;
    if (params.Has(DrawParams::Centered)) {
        x -= width / 2;
        y -= height / 2;
    }
    x += trimX;
    y += trimY;
    return ClipToScreen(x, y, source);
}

}  // namespace clip
