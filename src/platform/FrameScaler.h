#pragma once

#include <cstdint>
#include <vector>

#include "platform/Present.h"
#include "platform/Viewport.h"

// Puts a presented frame into 32-bit window pixels (0x00RRGGBB) at any size, at a cost near a copy
// of the pixels it writes: at 1:1 it only converts, at a whole factor it repeats pixels and rows,
// and at any other size it filters bilinearly (each frame row scaled once, then neighbouring scaled
// rows blended into each window row, channel by channel). Sixteen-bit channels widen by repeating
// their top bits, so white stays white and a 1:1 window shows exactly the frame the headless runner
// captures. Where the processor has AVX2 the loops run eight pixels at a time and write the window
// past the caches (a large window is bound by the memory's write speed); the results are the same.
namespace platform {

struct PixelTarget {
    uint32_t* pixels = nullptr;
    int pitch = 0;  // bytes per row
    int width = 0;
    int height = 0;
};

class FrameScaler final {
public:
    // `wideVectors` false keeps to the plain loops even on a processor with AVX2, so that the two
    // can be compared.
    explicit FrameScaler(bool wideVectors = true);

    // Rows of the target, [first, end).
    struct Band {
        int first = 0;
        int end = 0;
    };

    // Draws the frame into the viewport's rectangle of the target (clipped to the target); the
    // pixels outside it are left alone.
    void Draw(const FrameView& frame, const PixelTarget& target, const Viewport& viewport);
    // The same, but only the target rows made from the frame rows flagged in `changedRows` (one
    // flag per frame row): for a target that holds the frame as drawn before at the same place,
    // where most rows of a frame are the same as in the one before. The rows written are added to
    // `written`, neighbouring rows in one band.
    void DrawChanged(const FrameView& frame, const PixelTarget& target, const Viewport& viewport,
                     const uint8_t* changedRows, std::vector<Band>& written);

    // One row of a frame as 0x00RRGGBB (16-bit 565 or 555, or 32-bit x8r8g8b8).
    static void ConvertRow(const FrameView& frame, int row, uint32_t* out);

private:
    struct Taps {
        std::vector<int> first;            // source index of the left (upper) tap
        std::vector<int> second;           // of the right (lower) tap, the same at the edge
        std::vector<uint32_t> weight;      // of the second tap, 0 … 255
        std::vector<uint8_t> weightBytes;  // the same for each byte of a target pixel
        // Eight target pixels at a time for the wide loops, when the first taps of every eight lie
        // within eight source pixels (always when enlarging): the first tap of each eight, the
        // others' distances from it, and the weights in the order the wide blend takes the bytes.
        std::vector<int> groupBase;
        std::vector<int32_t> groupOffsets;   // 8 per group
        std::vector<uint16_t> groupWeights;  // 32 per group
        int sourceSize = 0;
        int targetSize = 0;
    };
    // Which target rows a draw writes, and a note of those written.
    struct RowChoice {
        const uint8_t* changed = nullptr;  // null: every row
        std::vector<Band>* written = nullptr;
        bool Wanted(int frameRow) const { return !changed || changed[frameRow] != 0; }
        void Note(int targetRow) const;
    };
    static void MakeTaps(Taps& taps, int sourceSize, int targetSize);
    void DrawChosen(const FrameView& frame, const PixelTarget& target, const Viewport& viewport,
                    const RowChoice& choice);
    void DrawWholeFactor(const FrameView& frame, const PixelTarget& target, const Viewport& viewport, int factor,
                         const RowChoice& choice);
    void DrawFiltered(const FrameView& frame, const PixelTarget& target, const Viewport& viewport,
                      const RowChoice& choice);
    void Convert(const FrameView& frame, int row, uint32_t* out) const;
    // The frame's row scaled to the viewport's width, kept for the next target row.
    const uint32_t* ScaledRow(const FrameView& frame, int row);

    bool wide_ = false;
    std::vector<uint32_t> sourceRow_;
    std::vector<uint32_t> left_, right_;  // the two horizontal taps of each pixel of a scaled row
    Taps columns_;
    Taps rows_;
    std::vector<uint32_t> scaled_[2];
    int scaledRow_[2] = {-1, -1};
};

}  // namespace platform
