#pragma once

#include <cstdint>

// The display's pixel format as the graphics code uses it. The shifts put a 5-bit channel value
// (16-bit displays) or an 8-bit one (32-bit displays) into the top of its field: 565 gives 11, 6, 0
// and 555 gives 10, 5, 0, so all 16-bit conversions work with 5 bits per channel. On a 32-bit
// display the byte positions say where red, green and blue sit inside the pixel; the spare byte is 3.
struct PixelFormat {
    int bitsPerPixel = 0;
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;
    int redShift = 0;
    int greenShift = 0;
    int blueShift = 0;
    int redByte = 0;
    int greenByte = 0;
    int blueByte = 0;
    int spareByte = 0;

    int BytesPerPixel() const { return bitsPerPixel / 8; }

    // Number of single right shifts after which `mask` equals `target` (31 or 255); stops at the
    // count where the mask became 0 when it never does.
    static int ComputeShift(uint32_t mask, uint32_t target);
    // Shifts and byte positions derived from the masks, as the display start-up computes them.
    static PixelFormat FromMasks(int bitsPerPixel, uint32_t redMask, uint32_t greenMask, uint32_t blueMask);

    static PixelFormat Rgb565() { return FromMasks(16, 0xF800, 0x07E0, 0x001F); }
    static PixelFormat Rgb555() { return FromMasks(16, 0x7C00, 0x03E0, 0x001F); }
    static PixelFormat Xrgb8888() { return FromMasks(32, 0xFF0000, 0x00FF00, 0x0000FF); }

    bool operator==(const PixelFormat&) const = default;
};
