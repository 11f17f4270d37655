#include "gfx/RunLength.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

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

// Display pixels a vector at a time for the encoder's two searches (2- and 4-byte pixels; other
// sizes search pixel by pixel). Vectors travel by reference: by value they would tie the baseline
// build to the AVX calling convention.
template <class Pixel>
using PixelVector __attribute__((vector_size(kChunk))) = Pixel;

template <int kBytes>
struct PixelLanes {
    using Pixel = std::conditional_t<kBytes == 2, uint16_t, uint32_t>;
    static constexpr int kCount = static_cast<int>(kChunk) / kBytes;
    using Vector = PixelVector<Pixel>;

    static void Load(const uint8_t* p, Vector& out) { std::memcpy(&out, p, sizeof out); }
    static bool Any(const Vector& v) {
        uint64_t words[kChunk / 8];
        std::memcpy(words, &v, sizeof words);
        uint64_t any = 0;
        for (const uint64_t w : words) any |= w;
        return any != 0;
    }
};

// From `pos`, whole vectors in which no pixel starts kMinRun pixels of one colour are passed over;
// returns where the pixel-by-pixel search goes on (a start of a run is never passed, nor the last
// pixels that a vector cannot cover).
template <int kFixedBytes>
[[gnu::always_inline]] inline int SkipRunless(const uint8_t* pixels, int count, int pos, uint32_t colourMask) {
    if constexpr (kFixedBytes == 2 || kFixedBytes == 4) {
        using Lanes = PixelLanes<kFixedBytes>;
        const auto mask = static_cast<typename Lanes::Pixel>(colourMask);
        while (pos + Lanes::kCount + kMinRun - 1 <= count) {
            typename Lanes::Vector a, b, c, d;
            const uint8_t* p = pixels + static_cast<size_t>(pos) * kFixedBytes;
            Lanes::Load(p, a);
            Lanes::Load(p + kFixedBytes, b);
            Lanes::Load(p + 2 * kFixedBytes, c);
            Lanes::Load(p + 3 * kFixedBytes, d);
            a &= mask;
            b &= mask;
            c &= mask;
            d &= mask;
            const auto starts = reinterpret_cast<typename Lanes::Vector>((a == b) & (b == c) & (c == d));
            if (Lanes::Any(starts)) break;
            pos += Lanes::kCount;
        }
    }
    return pos;
}

// How many pixels from `first` on (before `end`) equal it byte for byte, counted a vector at a
// time; at least 1, and the pixel-by-pixel count goes on from there.
template <int kFixedBytes>
[[gnu::always_inline]] inline int SkipEqual(const uint8_t* pixels, int end, int first) {
    int n = 1;
    if constexpr (kFixedBytes == 2 || kFixedBytes == 4) {
        using Lanes = PixelLanes<kFixedBytes>;
        typename Lanes::Pixel value;
        std::memcpy(&value, pixels + static_cast<size_t>(first) * kFixedBytes, kFixedBytes);
        const typename Lanes::Vector pattern = typename Lanes::Vector{} + value;
        while (first + n + Lanes::kCount <= end) {
            typename Lanes::Vector v;
            Lanes::Load(pixels + static_cast<size_t>(first + n) * kFixedBytes, v);
            if (Lanes::Any(reinterpret_cast<typename Lanes::Vector>(v != pattern))) break;
            n += Lanes::kCount;
        }
    }
    return n;
}

// The encoder, with the pixel size a constant where it is one of the display's (2 or 4 bytes), so
// that reading and comparing a pixel is one load and one compare; kFixedBytes 0 takes `anyBytes`.
// Packets are written into a buffer of the largest size a stream can have (each pixel costs at most
// a header and its bytes), and the stream is copied out at its own length.
template <int kFixedBytes>
[[gnu::always_inline]] inline std::vector<uint8_t> EncodeAs(const uint8_t* pixels, int count, int anyBytes,
                                                            uint32_t colourMask) {
    const int bytesPerPixel = kFixedBytes != 0 ? kFixedBytes : anyBytes;
    const auto pixelAt = [=](int index) {
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
        int start = SkipRunless<kFixedBytes>(pixels, count, pos, colourMask);
        uint32_t colour = pixelAt(start) & colourMask;
        for (int i = start + 1; i < count; ++i) {
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
            int n = SkipEqual<kFixedBytes>(pixels, std::min(count, runStart + kMaxPacket), runStart);
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

RJ_VECTOR_CLONES
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
