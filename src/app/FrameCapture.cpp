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
    rgb_.resize(static_cast<size_t>(width_) * height_ * 3);
    const auto* base = static_cast<const uint8_t*>(frame.pixels);
    uint8_t* out = rgb_.data();
    for (int y = 0; y < height_; ++y) {
        const uint8_t* row = base + static_cast<ptrdiff_t>(y) * frame.pitch;
        for (int x = 0; x < width_; ++x) {
            uint32_t pixel = 0;
            if (frame.bitsPerPixel == 16) {
                uint16_t p16;
                std::memcpy(&p16, row + x * 2, 2);
                pixel = p16;
            } else {
                std::memcpy(&pixel, row + x * 4, 4);
            }
            *out++ = Widen(pixel, frame.redMask);
            *out++ = Widen(pixel, frame.greenMask);
            *out++ = Widen(pixel, frame.blueMask);
        }
    }
}

uint32_t FrameCapture::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    const uint8_t* p = &rgb_[(static_cast<size_t>(y) * width_ + x) * 3];
    return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
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
        const uint8_t* row = &rgb_[static_cast<size_t>(y) * width_ * 3];
        for (int x = 0; x < width_; ++x) {
            bytes.push_back(row[x * 3 + 2]);
            bytes.push_back(row[x * 3 + 1]);
            bytes.push_back(row[x * 3]);
        }
        for (uint32_t pad = static_cast<uint32_t>(width_) * 3; pad < rowBytes; ++pad) bytes.push_back(0);
    }
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}
