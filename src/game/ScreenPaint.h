#pragma once

#include <cstdint>

#include "platform/DisplaySurface.h"

// Plain pixel work on the frame being drawn, for the overlays of the play field: darkening a
// rectangle (the pause, the game over) and filling one with a colour (small bars and frames).
// Rectangles are clipped to the screen; a lost or busy screen draws nothing this frame.
class ScreenPaint final {
public:
    struct Colour {
        uint8_t red = 0;
        uint8_t green = 0;
        uint8_t blue = 0;
    };

    // Every channel of every pixel in `area` scaled by keep / 256 (keep 0 … 256).
    static void Darken(const platform::DisplayRect& area, int keep);
    static void Fill(const platform::DisplayRect& area, Colour colour);

    // The pixel value of a colour in a display format (each channel's top bits).
    static uint32_t PixelOf(const platform::DisplayPixelFormat& format, Colour colour);
    // One pixel darkened as Darken does it.
    static uint32_t DarkenPixel(uint32_t pixel, const platform::DisplayPixelFormat& format, int keep);
    // A row of RGB565 pixels darkened as DarkenPixel does it, many pixels at a time (the game's
    // display format; the level banner darkens the whole field with it).
    static void DarkenRow565(uint16_t* row, int count, int keep);
};
