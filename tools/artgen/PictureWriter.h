#pragma once

#include <string>

class Canvas;

// File forms the game's picture readers take. Each returns false after one line on standard
// error naming the file.
namespace picture {

// Coverage of at least half makes a pixel art; anything less is transparent.
constexpr int kHardEdgeAlpha = 128;

// 24-bit BMP, magenta (255, 0, 255) where coverage < minAlpha, the un-premultiplied colour elsewhere.
bool WriteColorKeyedBmp(const std::string& path, const Canvas& canvas, int minAlpha);
// 8-bit grey-palette BMP of the coverage (0 transparent … 255 opaque).
bool WriteAlphaBmp(const std::string& path, const Canvas& canvas);
// 1-bit BMP, bit set where coverage >= kHardEdgeAlpha (set = white in the palette), or where it
// is below when `invert` is true (masks mark the transparent pixels).
bool WriteOneBitBmp(const std::string& path, const Canvas& canvas, bool invert);
// Baseline JPEG of the colour composed over `background` (0xRRGGBB); fixed settings, so the same
// picture always gives the same bytes.
bool WriteJpeg(const std::string& path, const Canvas& canvas, int quality, unsigned background);

}  // namespace picture
