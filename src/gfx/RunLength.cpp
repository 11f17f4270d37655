#include "gfx/RunLength.h"

#include <algorithm>
#include <cstring>

namespace runlength {
namespace {

uint32_t PixelAt(const uint8_t* pixels, int index, int bytesPerPixel) {
    uint32_t value = 0;
    std::memcpy(&value, pixels + static_cast<size_t>(index) * bytesPerPixel, bytesPerPixel);
    return value;
}

// First index ≥ pos where kMinRun consecutive pixels share their colour, or count if none.
int FindRunStart(const uint8_t* pixels, int count, int bytesPerPixel, uint32_t colourMask, int pos) {
    int runStart = pos;
    uint32_t runColour = pos < count ? PixelAt(pixels, pos, bytesPerPixel) & colourMask : 0;
    for (int i = pos + 1; i < count; ++i) {
        const uint32_t colour = PixelAt(pixels, i, bytesPerPixel) & colourMask;
        if (colour != runColour) {
            runStart = i;
            runColour = colour;
        } else if (i - runStart + 1 == kMinRun) {
            return runStart;
        }
    }
    return count;
}

template <class Pixel>
void Fill(uint8_t* dst, int count, const uint8_t* pixel) {
    Pixel value;
    std::memcpy(&value, pixel, sizeof(Pixel));
    std::fill_n(reinterpret_cast<Pixel*>(dst), count, value);
}

void FillPixels(uint8_t* dst, int count, const uint8_t* pixel, int bytesPerPixel) {
    switch (bytesPerPixel) {
        case 1: std::memset(dst, *pixel, count); break;
        case 2: Fill<uint16_t>(dst, count, pixel); break;
        case 4: Fill<uint32_t>(dst, count, pixel); break;
        default:
            for (int i = 0; i < count; ++i) std::memcpy(dst + i * bytesPerPixel, pixel, bytesPerPixel);
            break;
    }
}

}  // namespace

std::vector<uint8_t> Encode(const uint8_t* pixels, int count, int bytesPerPixel, uint32_t colourMask) {
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(count) * bytesPerPixel / 4 + 16);
    int pos = 0;
    while (pos < count) {
        const int runStart = FindRunStart(pixels, count, bytesPerPixel, colourMask, pos);
        while (pos < runStart) {
            const int n = std::min(runStart - pos, kMaxPacket);
            out.push_back(static_cast<uint8_t>(static_cast<int8_t>(-n)));
            const uint8_t* from = pixels + static_cast<size_t>(pos) * bytesPerPixel;
            out.insert(out.end(), from, from + static_cast<size_t>(n) * bytesPerPixel);
            pos += n;
        }
        if (runStart < count) {
            const uint8_t* pixel = pixels + static_cast<size_t>(runStart) * bytesPerPixel;
            int n = 1;
            while (n < kMaxPacket && runStart + n < count &&
                   std::memcmp(pixel, pixel + static_cast<size_t>(n) * bytesPerPixel, bytesPerPixel) == 0) {
                ++n;
            }
            out.push_back(static_cast<uint8_t>(n));
            out.insert(out.end(), pixel, pixel + bytesPerPixel);
            pos = runStart + n;
        }
    }
    return out;
}

bool Decode(const uint8_t* stream, size_t size, int width, int height, int bytesPerPixel,
            uint8_t* dst, int pitch) {
    if (width <= 0 || height <= 0) return true;
    const size_t rowBytes = static_cast<size_t>(width) * bytesPerPixel;
    // Rows that follow each other in memory are decoded as one long row: fewer, longer copies.
    const bool contiguous = static_cast<size_t>(pitch) == rowBytes;
    const int segmentWidth = contiguous ? width * height : width;
    const int segments = contiguous ? 1 : height;

    size_t in = 0;
    int segment = 0;
    int x = 0;
    uint8_t* row = dst;
    bool ok = true;
    while (segment < segments) {
        if (in >= size) { ok = false; break; }
        const int c = static_cast<int8_t>(stream[in++]);
        if (c == 0 || c == -128) { ok = false; break; }
        const bool literal = c < 0;
        int n = literal ? -c : c;
        const size_t dataBytes = literal ? static_cast<size_t>(n) * bytesPerPixel : bytesPerPixel;
        if (size - in < dataBytes) { ok = false; break; }
        const uint8_t* data = stream + in;
        in += dataBytes;
        while (n > 0 && segment < segments) {
            const int k = std::min(n, segmentWidth - x);
            uint8_t* to = row + static_cast<size_t>(x) * bytesPerPixel;
            if (literal) {
                std::memcpy(to, data, static_cast<size_t>(k) * bytesPerPixel);
                data += static_cast<size_t>(k) * bytesPerPixel;
            } else {
                FillPixels(to, k, data, bytesPerPixel);
            }
            n -= k;
            x += k;
            if (x == segmentWidth) {
                x = 0;
                ++segment;
                row += pitch;
            }
        }
    }
    if (!ok) {
        // Black for everything the stream did not produce.
        for (; segment < segments; ++segment, row += pitch, x = 0) {
            const size_t bytes = static_cast<size_t>(segmentWidth - x) * bytesPerPixel;
            std::memset(row + static_cast<size_t>(x) * bytesPerPixel, 0, bytes);
        }
    }
    return ok;
}

}  // namespace runlength
