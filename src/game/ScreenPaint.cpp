#include "game/ScreenPaint.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "gfx/CheckDxResult.h"
#include "gfx/DirectDraw.h"
#include "gfx/SpriteManager.h"
#include "gfx/VectorClones.h"

namespace {

constexpr int kFullKeep = 256;

uint32_t ChannelBits(uint32_t mask, uint8_t value) {
    if (mask == 0) return 0;
    const int width = std::popcount(mask);
    const int position = std::countr_zero(mask);
    const uint32_t top = width >= 8 ? uint32_t{value} << (width - 8) : uint32_t{value} >> (8 - width);
    return (top << position) & mask;
}

// Locks `area` of the draw target (clipped to it) and hands each row to `row`.
template <class RowFunction>
void ForEachRow(platform::DisplayRect area, RowFunction row) {
    platform::DisplaySurface* target = DirectDraw::Instance().GetDrawTarget();
    if (!target) return;
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, target->GetWidth());
    area.bottom = std::min(area.bottom, target->GetHeight());
    if (area.left >= area.right || area.top >= area.bottom) return;
    platform::SurfaceLock lock;
    const platform::DisplayResult result = target->Lock(&area, lock);
    if (result == platform::DDERR_SURFACELOST) {
        SpriteManager::Instance().RequestRestore();
        return;
    }
    if (CheckDxResult(result)) return;
    for (int y = 0; y < lock.height; ++y)
        row(lock.pixels + static_cast<size_t>(y) * lock.pitch, lock.width, lock.format);
    target->Unlock();
}

template <class Pixel>
void DarkenRow(uint8_t* bytes, int count, const platform::DisplayPixelFormat& format, int keep) {
    for (int x = 0; x < count; ++x) {
        Pixel p;
        std::memcpy(&p, bytes + x * sizeof(Pixel), sizeof p);
        p = static_cast<Pixel>(ScreenPaint::DarkenPixel(p, format, keep));
        std::memcpy(bytes + x * sizeof(Pixel), &p, sizeof p);
    }
}

// The game's own display: red 5 bits at 11, green 6 at 5, blue 5 at 0. Each field scaled by
// keep / 256 and cut to its bits equals the field value (at most 63 × 256, so 16 bits hold it)
// times keep, shifted down by 8, put back in place: the same pixel DarkenPixel gives, in 16-bit
// lanes the compiler can fill a vector with.
constexpr platform::DisplayPixelFormat kRgb565{16, 0xF800, 0x07E0, 0x001F};
constexpr int kRedPosition = 11;
constexpr int kGreenPosition = 5;
constexpr uint16_t kFiveBits = 0x1F;
constexpr uint16_t kSixBits = 0x3F;
// Sixteen pixels: one AVX2 register, or two SSE2 ones where the machine has no AVX2.
constexpr int kLanes = 16;
using Lanes = uint16_t __attribute__((vector_size(kLanes * sizeof(uint16_t))));

template <class Pixel>
void FillRow(uint8_t* bytes, int count, uint32_t value) {
    const auto p = static_cast<Pixel>(value);
    for (int x = 0; x < count; ++x) std::memcpy(bytes + x * sizeof(Pixel), &p, sizeof p);
}

}  // namespace

uint32_t ScreenPaint::PixelOf(const platform::DisplayPixelFormat& format, Colour colour) {
    return ChannelBits(format.redMask, colour.red) | ChannelBits(format.greenMask, colour.green) |
           ChannelBits(format.blueMask, colour.blue);
}

uint32_t ScreenPaint::DarkenPixel(uint32_t pixel, const platform::DisplayPixelFormat& format, int keep) {
    keep = std::clamp(keep, 0, kFullKeep);
    uint32_t out = 0;
    // A field times at most 256 still fits in 32 bits for every mask below bit 24.
    for (const uint32_t mask : {format.redMask, format.greenMask, format.blueMask}) {
        const uint64_t field = pixel & mask;
        out |= static_cast<uint32_t>((field * static_cast<uint64_t>(keep)) >> 8) & mask;
    }
    return out;
}

RJ_VECTOR_CLONES
void ScreenPaint::DarkenRow565(uint16_t* row, int count, int keep) {
    const auto k = static_cast<uint16_t>(std::clamp(keep, 0, kFullKeep));
    int x = 0;
    for (; x + kLanes <= count; x += kLanes) {
        Lanes p;
        std::memcpy(&p, row + x, sizeof p);
        const Lanes red = (p >> kRedPosition) * k >> 8;
        const Lanes green = (p >> kGreenPosition & kSixBits) * k >> 8;
        const Lanes blue = (p & kFiveBits) * k >> 8;
        p = red << kRedPosition | green << kGreenPosition | blue;
        std::memcpy(row + x, &p, sizeof p);
    }
    for (; x < count; ++x) {
        const uint16_t p = row[x];
        const auto red = static_cast<uint16_t>((p >> kRedPosition) * k >> 8);
        const auto green = static_cast<uint16_t>((p >> kGreenPosition & kSixBits) * k >> 8);
        const auto blue = static_cast<uint16_t>((p & kFiveBits) * k >> 8);
        row[x] = static_cast<uint16_t>(red << kRedPosition | green << kGreenPosition | blue);
    }
}

void ScreenPaint::Darken(const platform::DisplayRect& area, int keep) {
    ForEachRow(area, [keep](uint8_t* row, int count, const platform::DisplayPixelFormat& format) {
        if (format == kRgb565) {
            // Rows of a locked 16-bit surface are 2-byte aligned.
            DarkenRow565(reinterpret_cast<uint16_t*>(row), count, keep);
            return;
        }
        if (format.bitsPerPixel == 16) DarkenRow<uint16_t>(row, count, format, keep);
        if (format.bitsPerPixel == 32) DarkenRow<uint32_t>(row, count, format, keep);
    });
}

void ScreenPaint::Fill(const platform::DisplayRect& area, Colour colour) {
    ForEachRow(area, [colour](uint8_t* row, int count, const platform::DisplayPixelFormat& format) {
        const uint32_t value = PixelOf(format, colour);
        if (format.bitsPerPixel == 16) FillRow<uint16_t>(row, count, value);
        if (format.bitsPerPixel == 32) FillRow<uint32_t>(row, count, value);
    });
}
