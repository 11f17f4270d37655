#pragma once

#include <cstdint>
#include <vector>

#include "platform/Present.h"
#include "platform/Viewport.h"

// Puts a presented frame into 32-bit window pixels (0x00RRGGBB) at any size, at a cost near a copy
// of the pixels it writes: at 1:1 it only converts, at a whole factor it repeats pixels and rows,
// and at any other size it filters bilinearly (rows scaled once each, then blended row by row, channel
// by channel in loops the compiler vectorises). Sixteen-bit channels widen by repeating their top bits, so
// white stays white and a 1:1 window shows exactly the frame the headless runner captures.
namespace platform {

struct PixelTarget {
    uint32_t* pixels = nullptr;
    int pitch = 0;  // bytes per row
    int width = 0;
    int height = 0;
};

class FrameScaler final {
public:
    // Draws the frame into the viewport's rectangle of the target (clipped to the target); the
    // pixels outside it are left alone.
    void Draw(const FrameView& frame, const PixelTarget& target, const Viewport& viewport);

    // One row of a frame as 0x00RRGGBB (16-bit 565 or 555, or 32-bit x8r8g8b8).
    static void ConvertRow(const FrameView& frame, int row, uint32_t* out);

private:
    struct Taps {
        std::vector<int> first;            // source index of the left (upper) tap
        std::vector<int> second;           // of the right (lower) tap, the same at the edge
        std::vector<uint32_t> weight;      // of the second tap, 0 … 255
        std::vector<uint8_t> weightBytes;  // the same for each byte of a target pixel
        int sourceSize = 0;
        int targetSize = 0;
    };
    static void MakeTaps(Taps& taps, int sourceSize, int targetSize);
    void DrawWholeFactor(const FrameView& frame, const PixelTarget& target, const Viewport& viewport, int factor);
    void DrawFiltered(const FrameView& frame, const PixelTarget& target, const Viewport& viewport);
    // The frame's row scaled to the viewport's width, kept for the next target row.
    const uint32_t* ScaledRow(const FrameView& frame, int row);

    std::vector<uint32_t> sourceRow_;
    std::vector<uint32_t> left_, right_;  // the two horizontal taps of each pixel of a scaled row
    Taps columns_;
    Taps rows_;
    std::vector<uint32_t> scaled_[2];
    int scaledRow_[2] = {-1, -1};
};

}  // namespace platform
