#pragma once

#include <memory>

#include "gfx/Rect.h"

class Image;

// Picture cutting shared by the sprite builders.
namespace spriteimages {

// A new picture of the same depth holding the inclusive `rect` of `source`; nothing when the
// rectangle does not lie inside the source.
std::unique_ptr<Image> Crop(const Image& source, const Rect& rect);

// Frame `index` of a strip whose `frameCount` frames are stacked vertically.
std::unique_ptr<Image> SliceFrame(const Image& strip, int frameCount, int index);

}  // namespace spriteimages
