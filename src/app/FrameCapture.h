#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Present.h"

// Keeps the last presented frame, so that the headless runner can write it as a picture after the
// tick that showed it. The frame is kept as presented (a copy of its rows in the display's own
// format); only a frame that is asked for is converted to 8-bit RGB.
class FrameCapture {
public:
    // Copies a 16-bit (565 or 555) or 32-bit frame.
    void Take(const platform::FrameView& frame);
    bool HasFrame() const { return width_ > 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Pixel (x, y) as 0xRRGGBB.
    uint32_t PixelAt(int x, int y) const;
    // A 24-bit BMP (bottom-up rows padded to 4 bytes). False when the file cannot be written.
    bool WriteBmp(const std::string& path) const;

private:
    uint32_t RawPixel(int x, int y) const;

    int width_ = 0;
    int height_ = 0;
    int bytesPerPixel_ = 0;
    uint32_t redMask_ = 0, greenMask_ = 0, blueMask_ = 0;
    std::vector<uint8_t> pixels_;  // rows top-down, width × bytesPerPixel each
};
