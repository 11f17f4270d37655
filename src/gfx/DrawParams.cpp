#include "gfx/DrawParams.h"

Rect DrawParams::SourceRect(int spriteWidth, int spriteHeight) const {
    Rect r;
    r.left = Has(SourcePosition) ? srcX : 0;
    r.top = Has(SourcePosition) ? srcY : 0;
    r.right = Has(SourceSize) ? srcX + srcWidth - 1 : r.left + spriteWidth - 1;
    r.bottom = Has(SourceSize) ? srcY + srcHeight - 1 : r.top + spriteHeight - 1;
    return r;
}

Rect DrawParams::DestinationRect() const {
    return Rect{dstX, dstY, dstX + dstWidth - 1, dstY + dstHeight - 1};
}
