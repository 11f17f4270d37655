#pragma once

#include <cstdint>
#include <functional>

// The seam between the display device and whatever shows a finished frame: the SDL window in a
// normal run, the headless runner's frame capture in a headless one. The display device calls
// PresentFrame when the primary surface flips; the frame's pixels are valid during the call only.
namespace platform {

struct FrameView {
    const void* pixels = nullptr;
    int pitch = 0;  // bytes per row
    int width = 0;
    int height = 0;
    int bitsPerPixel = 16;  // 16 (565 or 555, see the masks) or 32 (x8r8g8b8)
    uint32_t redMask = 0, greenMask = 0, blueMask = 0;

    // The game's own picture: 16 bits per pixel, red 5, green 6, blue 5.
    static FrameView Rgb565(const void* pixels, int width, int height, int pitchBytes) {
        return {pixels, pitchBytes, width, height, 16, 0xF800, 0x07E0, 0x001F};
    }
};

using PresentHook = std::function<void(const FrameView&)>;

// Installs the receiver of presented frames (an empty hook drops them).
void SetPresentHook(PresentHook hook);
void PresentFrame(const FrameView& frame);

}  // namespace platform
