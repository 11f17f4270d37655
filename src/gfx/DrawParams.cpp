#include "gfx/DrawParams.h"

Rect DrawParams::SourceRect(int spriteWidth, int spriteHeight) const {
    Rect r;
    r.left = Has(SourcePosition) ? srcX : 0;
    r.top = Has(SourcePosition) ? srcY : 0;
    // Counted from the rectangle's own corner, so a size without a position starts at (0, 0).
    r.right = r.left + (Has(SourceSize) ? srcWidth : spriteWidth) - 1;
    r.bottom = r.top + (Has(SourceSize) ? srcHeight : spriteHeight) - 1;
    return r;
}

Rect DrawParams::DestinationRect() const { return Rect{dstX, dstY, dstX + dstWidth - 1, dstY + dstHeight - 1}; }
