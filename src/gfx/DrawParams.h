#pragma once

#include <cstdint>

#include "gfx/Rect.h"

// One draw request to a sprite. Without SourcePosition the source starts at the sprite's top-left
// pixel; without SourceSize it spans the sprite. With DestinationSize the picture is stretched into
// the destination rectangle; Centered puts the sprite's centre on the destination point.
struct DrawParams {
    enum Flag : uint32_t {
        SourcePosition = 1,
        SourceSize = 2,
        DestinationPosition = 4,
        DestinationSize = 8,
        Opaque = 16,  // no colour key
        Centered = 32,
    };

    uint32_t flags = 0;
    int32_t srcX = 0;
    int32_t srcY = 0;
    int32_t srcWidth = 0;
    int32_t srcHeight = 0;
    int32_t dstX = 0;
    int32_t dstY = 0;
    int32_t dstWidth = 0;
    int32_t dstHeight = 0;

    bool Has(Flag flag) const { return (flags & flag) != 0; }

    // The source rectangle (inclusive) for a sprite of the given size.
    Rect SourceRect(int spriteWidth, int spriteHeight) const;
    // The stretched destination (inclusive); meaningful with DestinationSize.
    Rect DestinationRect() const;
};
