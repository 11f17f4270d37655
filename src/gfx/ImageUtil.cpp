#include "gfx/ImageUtil.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "gfx/BgrBlock.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/PixelFormat.h"
#include "gfx/RunLength.h"
#include "gfx/VectorClones.h"
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
    // Both cases need green below the limit: any other pixel is left after one compare. Every
    // channel is below the limit when their bits together are.
    if (green >= kNearBlackLimit) return;
    if ((red | green | blue) < kNearBlackLimit) {
        blue = green = red = kLiftedGrey;
    } else if (red >= kMagentaMin && blue >= kMagentaMin) {
        blue = green = red = 0;
    }
}

// RemapColour on `count` pixels, sixteen at a time where they are whole blocks.
RJ_VECTOR_CLONES
void RemapPixels(uint8_t* bgr, size_t count) {
    using bgrblock::Lanes;
    size_t i = 0;
    for (; i + bgrblock::kPixels <= count; i += bgrblock::kPixels, bgr += bgrblock::kBytes) {
        bgrblock::Planes c;
        bgrblock::Load(bgr, c);
        const auto greenLow = reinterpret_cast<Lanes>(c.green < kNearBlackLimit);
        const auto dark = reinterpret_cast<Lanes>((c.blue | c.green | c.red) < kNearBlackLimit);
        const auto magenta =
            greenLow & reinterpret_cast<Lanes>(c.red >= kMagentaMin) & reinterpret_cast<Lanes>(c.blue >= kMagentaMin);
        const Lanes keep = ~(dark | magenta);
        const Lanes lifted = dark & kLiftedGrey;
        c.blue = (c.blue & keep) | lifted;
        c.green = (c.green & keep) | lifted;
        c.red = (c.red & keep) | lifted;
        bgrblock::Store(c, bgr);
    }
    for (; i < count; ++i, bgr += 3) RemapColour(bgr);
}

// Whether any pixel of the picture is 0; eight pixels a step.
template <class Pixel>
bool HasZeroPixel(const Image& image) {
    constexpr size_t kStep = 8;
    const size_t count = image.GetPixelBytes() / sizeof(Pixel);
    const uint8_t* bytes = image.GetPixels();
    size_t i = 0;
    for (; i + kStep <= count; i += kStep) {
        Pixel p[kStep];
        std::memcpy(p, bytes + i * sizeof(Pixel), sizeof p);
        bool zero = false;
        for (const Pixel v : p) zero |= v == 0;
        if (zero) return true;
    }
    for (; i < count; ++i) {
        Pixel v;
        std::memcpy(&v, bytes + i * sizeof(Pixel), sizeof v);
        if (v == 0) return true;
    }
    return false;
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

// Grows `box` by the pixels for which visible(y, x) holds, row by row: each row is searched from
// the left for its first such pixel and from the right only down to the box's right edge, so a
// sprite costs about its empty margins. `skipLeft(y, x)` and `skipRight(y, x)` jump over pixels
// known to be black (none for a plain search).
template <class Visible, class SkipLeft, class SkipRight>
void BoxOfVisible(int width, int height, Rect& box, Visible visible, SkipLeft skipLeft, SkipRight skipRight) {
    for (int y = 0; y < height; ++y) {
        int x = skipLeft(y, 0);
        while (x < width && !visible(y, x)) ++x;
        if (x == width) continue;
        box.top = std::min(box.top, y);
        box.bottom = y;
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        for (int r = skipRight(y, width - 1, box.right); r > box.right; --r) {
            if (visible(y, r)) {
                box.right = r;
                break;
            }
        }
    }
}

template <class Visible>
void BoxOfVisible(int width, int height, Rect& box, Visible visible) {
    BoxOfVisible(
        width, height, box, visible, [](int, int x) { return x; }, [](int, int x, int) { return x; });
}

// Black pixels of a palette picture are the entries whose blue, green and red are all 0.
void BoxOfPalettePixels(const Image& image, Rect& box) {
    bool visible[Image::kPaletteEntries] = {};
    if (const uint8_t* palette = image.GetPalette()) {
        for (int i = 0; i < Image::kPaletteEntries; ++i) {
            const uint8_t* e = palette + i * 4;
            visible[i] = (e[0] | e[1] | e[2]) != 0;
        }
    }
    const int width = image.GetWidth();
    const uint8_t* pixels = image.GetPixels();
    BoxOfVisible(image.GetWidth(), image.GetHeight(), box,
                 [&](int y, int x) { return visible[pixels[static_cast<size_t>(y) * width + x]]; });
}

// Pixels of kBytes bytes (display pixels of 2 or 4, blue-green-red of 3) are black where none of
// `colourBits` is set. Eight pixels fill kBytes whole 64-bit words, in which the bits repeat
// alike, so black stretches are passed eight pixels at a time.
template <int kBytes>
void BoxOfRows(const Image& image, uint32_t colourBits, Rect& box) {
    constexpr int kGroup = 8;
    uint64_t wordBits = ~uint64_t{0};  // blue, green and red bytes: every bit is colour
    if constexpr (kBytes != 3) {
        wordBits = 0;
        for (int i = 0; i < 8 / kBytes; ++i) wordBits |= uint64_t{colourBits} << (i * kBytes * 8);
    }
    const int width = image.GetWidth();
    const size_t rowBytes = static_cast<size_t>(width) * kBytes;
    const uint8_t* pixels = image.GetPixels();
    auto blackGroup = [&](const uint8_t* p) {
        uint64_t any = 0;
        for (int i = 0; i < kBytes; ++i) {
            uint64_t word;
            std::memcpy(&word, p + i * 8, 8);
            any |= word;
        }
        return (any & wordBits) == 0;
    };
    auto visible = [&](int y, int x) {
        uint32_t value = 0;
        std::memcpy(&value, pixels + y * rowBytes + static_cast<size_t>(x) * kBytes, kBytes);
        return (value & colourBits) != 0;
    };
    auto skipLeft = [&](int y, int x) {
        const uint8_t* row = pixels + y * rowBytes;
        while (x + kGroup <= width && blackGroup(row + static_cast<size_t>(x) * kBytes)) x += kGroup;
        return x;
    };
    // From pixel `last` down, groups wholly right of `stop`.
    auto skipRight = [&](int y, int last, int stop) {
        const uint8_t* row = pixels + y * rowBytes;
        while (last - kGroup >= stop && blackGroup(row + static_cast<size_t>(last - kGroup + 1) * kBytes)) {
            last -= kGroup;
        }
        return last;
    };
    BoxOfVisible(width, image.GetHeight(), box, visible, skipLeft, skipRight);
}

}  // namespace

bool ImageUtil::RemapTransparentColor(Image& image) {
    if (image.GetBitsPerPixel() == 8 && image.HasPalette()) {
        for (int i = 0; i < Image::kPaletteEntries; ++i) RemapColour(image.GetPalette() + i * 4);
        return true;
    }
    if (image.GetBitsPerPixel() == 24 && !image.IsRunLengthEncoded()) {
        RemapPixels(image.GetPixels(), static_cast<size_t>(image.GetWidth()) * image.GetHeight());
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

bool ImageUtil::HasKeyBlack(const Image& image) {
    if (image.IsRunLengthEncoded()) return true;
    if (image.GetBitsPerPixel() == 16) return HasZeroPixel<uint16_t>(image);
    if (image.GetBitsPerPixel() == 32) return HasZeroPixel<uint32_t>(image);
    return true;
}

Rect ImageUtil::GetBoundingBox(const Image& image) {
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    Rect box{width, height, -1, -1};
    if (!image.IsRunLengthEncoded()) {
        switch (image.GetBitsPerPixel()) {
        case 8: BoxOfPalettePixels(image, box); break;
        case 16: BoxOfRows<2>(image, ColourBits(image), box); break;
        case 24: BoxOfRows<3>(image, ColourBits(image), box); break;
        case 32: BoxOfRows<4>(image, ColourBits(image), box); break;
        default: BoxOfVisible(width, height, box, [&image](int y, int x) { return image.GetPixel(x, y) != 0; }); break;
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
