#pragma once

#include "core/Singleton.h"
#include "gfx/Rect.h"

class Image;

// Pixel utilities of the loading path: transparent colour, masks, bounding boxes, rectangle
// copies and run-length encoding.
class ImageUtil final : public Singleton<ImageUtil> {
public:
    // Magenta (red ≥ 240, green < 8, blue ≥ 240) becomes black, the transparent colour; true
    // near-black (every channel below 8) is lifted to (8, 8, 8) so that it stays visible.
    // 8-bit pictures: the palette; 24-bit: every pixel; other depths: error box, false.
    bool RemapTransparentColor(Image& image);
    // Every pixel whose bit is set in the 1-bit `mask` of the same size is written black.
    bool ApplyMask(Image& image, const Image& mask);
    // Whether any display pixel (16 or 32 bits) is 0, the black the colour key leaves out; true
    // for other depths and for run-length data, which cannot be told.
    bool HasKeyBlack(const Image& image);
    // Inclusive box of the pixels that are not black; (w / 2, h / 2, w / 2, h / 2) when there are none.
    Rect GetBoundingBox(const Image& image);
    // Copies the inclusive `rect` of `source` to (x, y) of `destination`, bytes unchanged. False
    // when the depths differ or the rectangle does not fit. Between 1-bit pictures the copy
    // inverts: a destination bit is set where the source bit is clear.
    bool CopyRect(const Image& source, Image& destination, const Rect& rect, int x, int y);
    // Replaces the pixels by their run-length stream (nothing if already encoded).
    void EncodeRunLength(Image& image);
    // First index ≥ pos at which four consecutive pixels have equal colour, or width × height.
    int FindRunStart(const Image& image, int pos);

private:
    friend class Singleton<ImageUtil>;
    ImageUtil() = default;
};
