#include "gfx/Image.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "gfx/DirectDraw.h"
#include "gfx/PixelFormat.h"

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr int kFiveBitDrop = 3;  // 8-bit channel → the 5 bits a 16-bit display keeps

constexpr uint32_t Red(uint32_t colour) { return (colour >> 16) & 0xFF; }
constexpr uint32_t Green(uint32_t colour) { return (colour >> 8) & 0xFF; }
constexpr uint32_t Blue(uint32_t colour) { return colour & 0xFF; }
constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) { return red << 16 | green << 8 | blue; }

bool SupportedDepth(int bitsPerPixel) {
    return bitsPerPixel == 1 || bitsPerPixel == 8 || bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

uint32_t ReadPixel(const uint8_t* p, int bytes) {
    uint32_t value = 0;
    std::memcpy(&value, p, bytes);
    return value;
}

void WritePixel(uint8_t* p, uint32_t value, int bytes) { std::memcpy(p, &value, bytes); }

// Rows of kBytes-byte pixels reversed in place, the pixel size a constant so that each swap is a
// pair of loads and stores.
template <int kBytes>
void MirrorRows(uint8_t* pixels, int width, int height) {
    const size_t rowBytes = static_cast<size_t>(width) * kBytes;
    for (int y = 0; y < height; ++y) {
        uint8_t* left = pixels + y * rowBytes;
        uint8_t* right = left + rowBytes - kBytes;
        for (; left < right; left += kBytes, right -= kBytes) {
            uint8_t a[kBytes];
            std::memcpy(a, left, kBytes);
            std::memcpy(left, right, kBytes);
            std::memcpy(right, a, kBytes);
        }
    }
}

}  // namespace

Image::~Image() = default;

bool Image::Create(int width, int height, int bitsPerPixel) {
    pixels_.clear();
    pixels_.shrink_to_fit();
    palette_.reset();
    runLengthEncoded_ = false;
    width_ = height_ = bitsPerPixel_ = 0;
    if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension || !SupportedDepth(bitsPerPixel)) {
        return false;
    }
    const size_t count = static_cast<size_t>(width) * height;
    const size_t bytes = bitsPerPixel == 1 ? (count + 7) / 8 : count * (bitsPerPixel / 8);
    try {
        pixels_.assign(bytes, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    width_ = width;
    height_ = height;
    bitsPerPixel_ = bitsPerPixel;
    if (bitsPerPixel == 8) {
        uint8_t* palette = CreatePalette();
        for (int i = 0; i < kPaletteEntries; ++i) {
            palette[i * 4 + 0] = palette[i * 4 + 1] = palette[i * 4 + 2] = static_cast<uint8_t>(i);
            palette[i * 4 + 3] = 0;
        }
    }
    return true;
}

uint8_t* Image::CreatePalette() {
    palette_ = std::make_unique<uint8_t[]>(kPaletteBytes);
    // Magenta: indices the file's palette does not define show up as the transparent art colour.
    for (int i = 0; i < kPaletteEntries; ++i) {
        palette_[i * 4 + 0] = 255;
        palette_[i * 4 + 1] = 0;
        palette_[i * 4 + 2] = 255;
        palette_[i * 4 + 3] = 0;
    }
    return palette_.get();
}

int Image::GetRowBytes() const { return bitsPerPixel_ == 1 ? 0 : width_ * (bitsPerPixel_ / 8); }

uint8_t* Image::PixelAddress(int x, int y) {
    return pixels_.data() + (static_cast<size_t>(y) * width_ + x) * (bitsPerPixel_ / 8);
}

const uint8_t* Image::PixelAddress(int x, int y) const {
    return pixels_.data() + (static_cast<size_t>(y) * width_ + x) * (bitsPerPixel_ / 8);
}

bool Image::GetBit(int x, int y) const {
    const size_t bit = static_cast<size_t>(y) * width_ + x;
    return (pixels_[bit / 8] >> (7 - bit % 8)) & 1;
}

void Image::SetBit(int x, int y, bool set) {
    const size_t bit = static_cast<size_t>(y) * width_ + x;
    const uint8_t mask = static_cast<uint8_t>(0x80 >> (bit % 8));
    if (set) {
        pixels_[bit / 8] |= mask;
    } else {
        pixels_[bit / 8] &= static_cast<uint8_t>(~mask);
    }
}

uint32_t Image::GetPixel(int x, int y) const {
    if (runLengthEncoded_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    switch (bitsPerPixel_) {
    case 1: return GetBit(x, y) ? kWhite : 0;
    case 8: {
        if (!palette_) return 0;
        const uint8_t* entry = palette_.get() + *PixelAddress(x, y) * 4;
        return Rgb(entry[2], entry[1], entry[0]);
    }
    case 16: {
        const PixelFormat& f = DirectDraw::Instance().GetPixelFormat();
        const uint32_t p = ReadPixel(PixelAddress(x, y), 2);
        return Rgb(((p & f.redMask) >> f.redShift) << kFiveBitDrop, ((p & f.greenMask) >> f.greenShift) << kFiveBitDrop,
                   ((p & f.blueMask) >> f.blueShift) << kFiveBitDrop);
    }
    case 24: {
        const uint8_t* p = PixelAddress(x, y);
        return Rgb(p[2], p[1], p[0]);
    }
    case 32: {
        const PixelFormat& f = DirectDraw::Instance().GetPixelFormat();
        const uint32_t p = ReadPixel(PixelAddress(x, y), 4);
        return Rgb((p & f.redMask) >> f.redShift, (p & f.greenMask) >> f.greenShift, (p & f.blueMask) >> f.blueShift);
    }
    default: return 0;
    }
}

void Image::SetPixel(int x, int y, uint32_t colour) {
    if (runLengthEncoded_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    switch (bitsPerPixel_) {
    case 8: *PixelAddress(x, y) = static_cast<uint8_t>(FindPaletteIndex(colour)); break;
    case 16: {
        const PixelFormat& f = DirectDraw::Instance().GetPixelFormat();
        const uint32_t p = ((Red(colour) >> kFiveBitDrop) << f.redShift & f.redMask) |
                           ((Green(colour) >> kFiveBitDrop) << f.greenShift & f.greenMask) |
                           ((Blue(colour) >> kFiveBitDrop) << f.blueShift & f.blueMask);
        WritePixel(PixelAddress(x, y), p, 2);
        break;
    }
    case 24: {
        uint8_t* p = PixelAddress(x, y);
        p[0] = static_cast<uint8_t>(Blue(colour));
        p[1] = static_cast<uint8_t>(Green(colour));
        p[2] = static_cast<uint8_t>(Red(colour));
        break;
    }
    case 32: {
        const PixelFormat& f = DirectDraw::Instance().GetPixelFormat();
        const uint32_t p = (Red(colour) << f.redShift & f.redMask) | (Green(colour) << f.greenShift & f.greenMask) |
                           (Blue(colour) << f.blueShift & f.blueMask);
        WritePixel(PixelAddress(x, y), p, 4);
        break;
    }
    default: break;
    }
}

int Image::FindPaletteIndex(uint32_t colour) const {
    if (!palette_) return 0;
    for (int i = 0; i < kPaletteEntries; ++i) {
        const uint8_t* entry = palette_.get() + i * 4;
        if (entry[0] == Blue(colour) && entry[1] == Green(colour) && entry[2] == Red(colour)) return i;
    }
    return 0;
}

void Image::MirrorHorizontally() {
    if (runLengthEncoded_ || pixels_.empty()) return;
    if (bitsPerPixel_ == 1) {
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_ / 2; ++x) {
                const bool left = GetBit(x, y);
                SetBit(x, y, GetBit(width_ - 1 - x, y));
                SetBit(width_ - 1 - x, y, left);
            }
        }
        return;
    }
    switch (bitsPerPixel_) {
    case 8: MirrorRows<1>(pixels_.data(), width_, height_); break;
    case 16: MirrorRows<2>(pixels_.data(), width_, height_); break;
    case 24: MirrorRows<3>(pixels_.data(), width_, height_); break;
    default: MirrorRows<4>(pixels_.data(), width_, height_); break;
    }
}

void Image::SetRunLengthData(std::vector<uint8_t> stream) {
    pixels_ = std::move(stream);
    runLengthEncoded_ = true;
}
