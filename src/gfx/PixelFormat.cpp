#include "gfx/PixelFormat.h"

namespace {
constexpr uint32_t kFiveBitMax = 31;
constexpr uint32_t kEightBitMax = 255;
constexpr int kSpareBytePosition = 3;
}  // namespace

int PixelFormat::ComputeShift(uint32_t mask, uint32_t target) {
    int shift = 0;
    while (mask != 0 && mask != target) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

PixelFormat PixelFormat::FromMasks(int bitsPerPixel, uint32_t redMask, uint32_t greenMask, uint32_t blueMask) {
    PixelFormat format;
    format.bitsPerPixel = bitsPerPixel;
    format.redMask = redMask;
    format.greenMask = greenMask;
    format.blueMask = blueMask;
    const uint32_t target = bitsPerPixel == 16 ? kFiveBitMax : kEightBitMax;
    format.redShift = ComputeShift(redMask, target);
    format.greenShift = ComputeShift(greenMask, target);
    format.blueShift = ComputeShift(blueMask, target);
    if (bitsPerPixel == 32) {
        format.redByte = format.redShift / 8;
        format.greenByte = format.greenShift / 8;
        format.blueByte = format.blueShift / 8;
        format.spareByte = kSpareBytePosition;
    }
    return format;
}
