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
};

using PresentHook = std::function<void(const FrameView&)>;

// Installs the receiver of presented frames (an empty hook drops them).
void SetPresentHook(PresentHook hook);
void PresentFrame(const FrameView& frame);

}  // namespace platform
