#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Present.h"

// Keeps the last presented frame as 8-bit RGB, so that the headless runner can write it as a
// picture after the tick that showed it.
class FrameCapture {
public:
    // Converts a 16-bit (565 or 555) or 32-bit frame.
    void Take(const platform::FrameView& frame);
    bool HasFrame() const { return width_ > 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Pixel (x, y) as 0xRRGGBB.
    uint32_t PixelAt(int x, int y) const;
    // A 24-bit BMP (bottom-up rows padded to 4 bytes). False when the file cannot be written.
    bool WriteBmp(const std::string& path) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> rgb_;  // rows top-down, 3 bytes per pixel
};
