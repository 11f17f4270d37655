#include "gfx/ImageUtil.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/PixelFormat.h"
#include "gfx/RunLength.h"
#include "platform/Messages.h"

namespace {

constexpr uint8_t kNearBlackLimit = 8;  // channels below this count as black
constexpr uint8_t kLiftedGrey = 8;
constexpr uint8_t kMagentaMin = 240;
constexpr int kRunLength = 4;  // equal pixels needed before a repeat packet pays
constexpr uint32_t kFiveBits = 0x1F;

// One colour as blue, green, red bytes (palette entries and 24-bit pixels share the order).
void RemapColour(uint8_t* bgr) {
    uint8_t& blue = bgr[0];
    uint8_t& green = bgr[1];
    uint8_t& red = bgr[2];
    if (red < kNearBlackLimit && green < kNearBlackLimit && blue < kNearBlackLimit) {
        blue = green = red = kLiftedGrey;
    } else if (red >= kMagentaMin && green < kNearBlackLimit && blue >= kMagentaMin) {
        blue = green = red = 0;
    }
}

// The bits of a display pixel that GetPixel reads: two pixels equal under this mask have the same
// colour.
uint32_t ColourBits(const Image& image) {
    const PixelFormat& f = DirectDraw::Instance().GetPixelFormat();
    switch (image.GetBitsPerPixel()) {
    case 16:
        return (f.redMask & kFiveBits << f.redShift) | (f.greenMask & kFiveBits << f.greenShift) |
               (f.blueMask & kFiveBits << f.blueShift);
    case 32: return f.redMask | f.greenMask | f.blueMask;
    case 24: return 0xFFFFFF;
    default: return 0xFF;
    }
}

}  // namespace

bool ImageUtil::RemapTransparentColor(Image& image) {
    if (image.GetBitsPerPixel() == 8 && image.HasPalette()) {
        for (int i = 0; i < Image::kPaletteEntries; ++i) RemapColour(image.GetPalette() + i * 4);
        return true;
    }
    if (image.GetBitsPerPixel() == 24 && !image.IsRunLengthEncoded()) {
        const size_t count = static_cast<size_t>(image.GetWidth()) * image.GetHeight();
        uint8_t* p = image.GetPixels();
        for (size_t i = 0; i < count; ++i) RemapColour(p + i * 3);
        return true;
    }
    platform::ShowErrorMessage("ImageUtil::RemapTransparentColor: unsupported depth");
    return false;
}

bool ImageUtil::ApplyMask(Image& image, const Image& mask) {
    if (mask.GetBitsPerPixel() != 1 || mask.GetWidth() != image.GetWidth() || mask.GetHeight() != image.GetHeight()) {
        return false;
    }
    for (int y = 0; y < mask.GetHeight(); ++y) {
        for (int x = 0; x < mask.GetWidth(); ++x) {
            if (mask.GetBit(x, y)) image.SetPixel(x, y, 0);
        }
    }
    return true;
}

Rect ImageUtil::GetBoundingBox(const Image& image) {
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    Rect box{width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (image.GetPixel(x, y) == 0) continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    if (box.right < 0) return Rect{width / 2, height / 2, width / 2, height / 2};
    return box;
}

bool ImageUtil::CopyRect(const Image& source, Image& destination, const Rect& rect, int x, int y) {
    const int depth = source.GetBitsPerPixel();
    if (depth != destination.GetBitsPerPixel() || source.IsRunLengthEncoded() || destination.IsRunLengthEncoded()) {
        return false;
    }
    const int width = rect.Width();
    const int height = rect.Height();
    const bool insideSource = rect.left >= 0 && rect.top >= 0 && width > 0 && height > 0 &&
                              rect.right < source.GetWidth() && rect.bottom < source.GetHeight();
    const bool fits = x >= 0 && y >= 0 && x + width <= destination.GetWidth() && y + height <= destination.GetHeight();
    if (!insideSource || !fits) return false;
    if (depth == 1) {
        // Shadow masks are built this way: a clear destination bit marks a shadow pixel.
        for (int row = 0; row < height; ++row) {
            for (int col = 0; col < width; ++col) {
                destination.SetBit(x + col, y + row, !source.GetBit(rect.left + col, rect.top + row));
            }
        }
        return true;
    }
    const size_t rowBytes = static_cast<size_t>(width) * (depth / 8);
    for (int row = 0; row < height; ++row) {
        std::memcpy(destination.PixelAddress(x, y + row), source.PixelAddress(rect.left, rect.top + row), rowBytes);
    }
    return true;
}

int ImageUtil::FindRunStart(const Image& image, int pos) {
    const int width = image.GetWidth();
    const int count = width * image.GetHeight();
    for (int start = pos; start + kRunLength <= count; ++start) {
        const uint32_t colour = image.GetPixel(start % width, start / width);
        int same = 1;
        while (same < kRunLength && image.GetPixel((start + same) % width, (start + same) / width) == colour) ++same;
        if (same == kRunLength) return start;
    }
    return count;
}

void ImageUtil::EncodeRunLength(Image& image) {
    if (image.IsRunLengthEncoded() || image.GetBitsPerPixel() < 8) return;
    const int count = image.GetWidth() * image.GetHeight();
    std::vector<uint8_t> stream =
        runlength::Encode(image.GetPixels(), count, image.GetBitsPerPixel() / 8, ColourBits(image));
    image.SetRunLengthData(std::move(stream));
}
