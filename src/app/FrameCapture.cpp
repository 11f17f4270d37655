#include "app/FrameCapture.h"

#include <bit>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// A channel of `bits` bits widened to 8 by repeating its top bits, so full scale stays 255.
uint8_t Widen(uint32_t pixel, uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const uint32_t value = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<uint8_t>(value >> (bits - 8));
    uint32_t wide = value << (8 - bits);
    for (int filled = bits; filled < 8; filled += bits) wide |= value << (8 - bits) >> filled;
    return static_cast<uint8_t>(wide);
}

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

}  // namespace

void FrameCapture::Take(const platform::FrameView& frame) {
    if (!frame.pixels || frame.width <= 0 || frame.height <= 0) return;
    if (frame.bitsPerPixel != 16 && frame.bitsPerPixel != 32) return;
    width_ = frame.width;
    height_ = frame.height;
    bytesPerPixel_ = frame.bitsPerPixel / 8;
    redMask_ = frame.redMask;
    greenMask_ = frame.greenMask;
    blueMask_ = frame.blueMask;
    const size_t rowBytes = static_cast<size_t>(width_) * static_cast<size_t>(bytesPerPixel_);
    pixels_.resize(rowBytes * static_cast<size_t>(height_));
    const auto* base = static_cast<const uint8_t*>(frame.pixels);
    for (int y = 0; y < height_; ++y) {
        std::memcpy(&pixels_[rowBytes * static_cast<size_t>(y)], base + static_cast<ptrdiff_t>(y) * frame.pitch,
                    rowBytes);
    }
}

uint32_t FrameCapture::RawPixel(int x, int y) const {
    const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) *
                      static_cast<size_t>(bytesPerPixel_);
    if (bytesPerPixel_ == 2) {
        uint16_t p16;
        std::memcpy(&p16, &pixels_[at], 2);
        return p16;
    }
    uint32_t p32;
    std::memcpy(&p32, &pixels_[at], 4);
    return p32;
}

uint32_t FrameCapture::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    const uint32_t pixel = RawPixel(x, y);
    return (uint32_t{Widen(pixel, redMask_)} << 16) | (uint32_t{Widen(pixel, greenMask_)} << 8) |
           Widen(pixel, blueMask_);
}

bool FrameCapture::WriteBmp(const std::string& path) const {
    if (!HasFrame()) return false;
    constexpr uint32_t kHeaderBytes = 14 + 40;
    const uint32_t rowBytes = (static_cast<uint32_t>(width_) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height_);
    std::vector<uint8_t> bytes;
    bytes.reserve(kHeaderBytes + imageBytes);
    bytes.push_back('B');
    bytes.push_back('M');
    PutLe(bytes, kHeaderBytes + imageBytes, 4);
    PutLe(bytes, 0, 4);
    PutLe(bytes, kHeaderBytes, 4);
    PutLe(bytes, 40, 4);
    PutLe(bytes, static_cast<uint32_t>(width_), 4);
    PutLe(bytes, static_cast<uint32_t>(height_), 4);
    PutLe(bytes, 1, 2);   // planes
    PutLe(bytes, 24, 2);  // bits per pixel
    PutLe(bytes, 0, 4);   // no compression
    PutLe(bytes, imageBytes, 4);
    PutLe(bytes, 2835, 4);  // 72 dots per inch
    PutLe(bytes, 2835, 4);
    PutLe(bytes, 0, 4);
    PutLe(bytes, 0, 4);
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const uint32_t pixel = RawPixel(x, y);
            bytes.push_back(Widen(pixel, blueMask_));
            bytes.push_back(Widen(pixel, greenMask_));
            bytes.push_back(Widen(pixel, redMask_));
        }
        for (uint32_t pad = static_cast<uint32_t>(width_) * 3; pad < rowBytes; ++pad) bytes.push_back(0);
    }
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}
