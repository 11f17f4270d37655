#include "gfx/RunLength.h"

#include <algorithm>
#include <cstring>

#include "gfx/VectorClones.h"

namespace runlength {
namespace {

// One AVX2 register, or two SSE2 ones where the machine has no AVX2.
constexpr size_t kChunk = 32;
using Chunk = uint8_t __attribute__((vector_size(kChunk)));

// kChunk bytes of the pixel repeated (pixels of 1, 2 or 4 bytes). Vectors travel by reference:
// by value they would tie the baseline build to the AVX calling convention.
inline void Broadcast(Chunk& out, const uint8_t* pixel, int bytesPerPixel) {
    using U16 = uint16_t __attribute__((vector_size(kChunk)));
    using U32 = uint32_t __attribute__((vector_size(kChunk)));
    if (bytesPerPixel == 2) {
        uint16_t v;
        std::memcpy(&v, pixel, 2);
        out = reinterpret_cast<Chunk>(U16{} + v);
        return;
    }
    if (bytesPerPixel == 4) {
        uint32_t v;
        std::memcpy(&v, pixel, 4);
        out = reinterpret_cast<Chunk>(U32{} + v);
        return;
    }
    out = Chunk{} + *pixel;
}

// Writes `bytes` bytes of the repeated pattern. With `slack` the last chunk may run past the end
// (the caller knows the bytes behind are written later), which saves the tail.
inline void FillBytes(uint8_t* dst, size_t bytes, const Chunk& pattern, bool slack) {
    size_t i = 0;
    for (; i + kChunk <= bytes; i += kChunk) std::memcpy(dst + i, &pattern, kChunk);
    if (i == bytes) return;
    if (slack) {
        std::memcpy(dst + i, &pattern, kChunk);
    } else {
        std::memcpy(dst + i, &pattern, bytes - i);
    }
}

// Copies `bytes` bytes; with `slack` whole chunks, reading and writing up to kChunk − 1 bytes more.
inline void CopyBytes(uint8_t* dst, const uint8_t* src, size_t bytes, bool slack) {
    if (!slack) {
        std::memcpy(dst, src, bytes);
        return;
    }
    for (size_t i = 0; i < bytes; i += kChunk) std::memcpy(dst + i, src + i, kChunk);
}

}  // namespace

namespace {

// The encoder, with the pixel size a constant where it is one of the display's (2 or 4 bytes), so
// that reading and comparing a pixel is one load and one compare; kFixedBytes 0 takes `anyBytes`.
// Packets are written into a buffer of the largest size a stream can have (each pixel costs at most
// a header and its bytes), and the stream is copied out at its own length.
template <int kFixedBytes>
std::vector<uint8_t> EncodeAs(const uint8_t* pixels, int count, int anyBytes, uint32_t colourMask) {
    const int bytesPerPixel = kFixedBytes != 0 ? kFixedBytes : anyBytes;
    const auto pixelAt = [pixels, bytesPerPixel](int index) {
        uint32_t value = 0;
        std::memcpy(&value, pixels + static_cast<size_t>(index) * bytesPerPixel,
                    kFixedBytes != 0 ? kFixedBytes : bytesPerPixel);
        return value;
    };
    thread_local std::vector<uint8_t> scratch;
    const size_t worst = static_cast<size_t>(count) * (bytesPerPixel + 1);
    if (scratch.size() < worst) scratch.resize(worst);
    uint8_t* out = scratch.data();

    int pos = 0;
    while (pos < count) {
        // First index ≥ pos where kMinRun consecutive pixels share their colour, or count if none.
        int runStart = count;
        int start = pos;
        uint32_t colour = pixelAt(pos) & colourMask;
        for (int i = pos + 1; i < count; ++i) {
            const uint32_t next = pixelAt(i) & colourMask;
            if (next != colour) {
                start = i;
                colour = next;
            } else if (i - start + 1 == kMinRun) {
                runStart = start;
                break;
            }
        }
        while (pos < runStart) {
            const int n = std::min(runStart - pos, kMaxPacket);
            *out++ = static_cast<uint8_t>(static_cast<int8_t>(-n));
            const size_t bytes = static_cast<size_t>(n) * bytesPerPixel;
            std::memcpy(out, pixels + static_cast<size_t>(pos) * bytesPerPixel, bytes);
            out += bytes;
            pos += n;
        }
        if (runStart < count) {
            const uint32_t first = pixelAt(runStart);
            int n = 1;
            while (n < kMaxPacket && runStart + n < count && pixelAt(runStart + n) == first) ++n;
            *out++ = static_cast<uint8_t>(n);
            std::memcpy(out, pixels + static_cast<size_t>(runStart) * bytesPerPixel, bytesPerPixel);
            out += bytesPerPixel;
            pos = runStart + n;
        }
    }
    return std::vector<uint8_t>(scratch.data(), out);
}

}  // namespace

std::vector<uint8_t> Encode(const uint8_t* pixels, int count, int bytesPerPixel, uint32_t colourMask) {
    if (count <= 0) return {};
    if (bytesPerPixel == 2) return EncodeAs<2>(pixels, count, bytesPerPixel, colourMask);
    if (bytesPerPixel == 4) return EncodeAs<4>(pixels, count, bytesPerPixel, colourMask);
    return EncodeAs<0>(pixels, count, bytesPerPixel, colourMask);
}

namespace {

// The decoder, with the pixel size a constant where it is one of the display's (2 or 4 bytes): the
// per-packet arithmetic then folds, which keeps short literal runs cheap. kFixedBytes 0 takes
// `anyBytes`. Inlined into each instruction-set build of Decode.
template <int kFixedBytes>
[[gnu::always_inline]] inline bool DecodeAs(const uint8_t* stream, size_t size, int width, int height, int anyBytes,
                                            uint8_t* dst, int pitch) {
    const int bytesPerPixel = kFixedBytes != 0 ? kFixedBytes : anyBytes;
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
        if (in >= size) {
            ok = false;
            break;
        }
        const int c = static_cast<int8_t>(stream[in++]);
        if (c == 0 || c == -128) {
            ok = false;
            break;
        }
        const bool literal = c < 0;
        int n = literal ? -c : c;
        const size_t dataBytes = literal ? static_cast<size_t>(n) * bytesPerPixel : bytesPerPixel;
        if (size - in < dataBytes) {
            ok = false;
            break;
        }
        const uint8_t* data = stream + in;
        in += dataBytes;
        while (n > 0 && segment < segments) {
            const int room = segmentWidth - x;
            const int k = std::min(n, room);
            const size_t bytes = static_cast<size_t>(k) * bytesPerPixel;
            uint8_t* to = row + static_cast<size_t>(x) * bytesPerPixel;
            // Room for a whole chunk behind the run: the next packets overwrite the excess.
            const bool roomBehind = static_cast<size_t>(room - k) * bytesPerPixel >= kChunk;
            if (literal) {
                const bool readable = size - static_cast<size_t>(data - stream) >= bytes + kChunk;
                CopyBytes(to, data, bytes, roomBehind && readable);
                data += bytes;
            } else if (kChunk % bytesPerPixel == 0) {
                Chunk pattern;
                Broadcast(pattern, data, bytesPerPixel);
                FillBytes(to, bytes, pattern, roomBehind);
            } else {
                for (int i = 0; i < k; ++i)
                    std::memcpy(to + static_cast<size_t>(i) * bytesPerPixel, data, bytesPerPixel);
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

}  // namespace

RJ_VECTOR_CLONES
bool Decode(const uint8_t* stream, size_t size, int width, int height, int bytesPerPixel, uint8_t* dst, int pitch) {
    if (width <= 0 || height <= 0) return true;
    if (bytesPerPixel == 2) return DecodeAs<2>(stream, size, width, height, bytesPerPixel, dst, pitch);
    if (bytesPerPixel == 4) return DecodeAs<4>(stream, size, width, height, bytesPerPixel, dst, pitch);
    return DecodeAs<0>(stream, size, width, height, bytesPerPixel, dst, pitch);
}

}  // namespace runlength
