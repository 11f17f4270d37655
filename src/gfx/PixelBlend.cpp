#include "gfx/PixelBlend.h"

#include <cstring>

#include "gfx/VectorClones.h"

namespace pixelblend {
namespace {

// Thirty-two bytes: one AVX2 register, or two SSE2 registers where the machine has no AVX2 (the
// compiler splits the operations). The row loops are built for both and chosen at load time.
using U16x16 = uint16_t __attribute__((vector_size(32)));
using I16x16 = int16_t __attribute__((vector_size(32)));
using U8x16 = uint8_t __attribute__((vector_size(16)));
using I8x16 = int8_t __attribute__((vector_size(16)));
using U32x8 = uint32_t __attribute__((vector_size(32)));
using I32x8 = int32_t __attribute__((vector_size(32)));
using U8x8 = uint8_t __attribute__((vector_size(8)));
using I8x8 = int8_t __attribute__((vector_size(8)));

constexpr int kAlphaOpaque = 255;

// Vectors travel by reference: passing 32-byte vectors by value would tie the baseline build to
// the AVX calling convention.
template <class V, class T>
void Load(V& v, const T* p) {
    std::memcpy(&v, p, sizeof(V));
}

template <class V, class T>
void Store(T* p, const V& v) {
    std::memcpy(p, &v, sizeof(V));
}

template <class Pixel>
Pixel BlendPixel(Pixel d, Pixel s, int a, const ChannelLayout& layout) {
    uint32_t out = 0;
    for (int c = 0; c < 3; ++c) {
        const int dc = static_cast<int>((d & layout.mask[c]) >> layout.shift[c]);
        const int sc = static_cast<int>((s & layout.mask[c]) >> layout.shift[c]);
        const int r = dc + (((sc - dc) * a) >> 8);
        out |= (static_cast<uint32_t>(r) << layout.shift[c]) & layout.mask[c];
    }
    const Pixel blended = static_cast<Pixel>(out);
    return a == 0 ? d : a == kAlphaOpaque ? s : blended;
}

// d + (((s − d) × a) >> 8) for every channel of a vector of pixels (unsigned lanes U, signed I);
// a = 0 keeps d and a = 255 takes s. The channels are written out so masks and shifts stay in
// registers.
template <class U, class I, class Scalar>
inline void BlendPixels(U& d, const U& s, const I& a, const Scalar (&mask)[3], const int (&shift)[3]) {
    U blended = {};
    for (int c = 0; c < 3; ++c) {
        const I dc = reinterpret_cast<I>((d & mask[c]) >> shift[c]);
        const I sc = reinterpret_cast<I>((s & mask[c]) >> shift[c]);
        const I r = dc + (((sc - dc) * a) >> 8);
        blended |= (reinterpret_cast<U>(r) << shift[c]) & mask[c];
    }
    const U opaque = reinterpret_cast<U>(a == kAlphaOpaque);
    const U clear = reinterpret_cast<U>(a == 0);
    d = (s & opaque) | (d & clear) | (blended & ~(opaque | clear));
}

}  // namespace

ChannelLayout LayoutOf(const PixelFormat& format) {
    ChannelLayout layout;
    layout.mask[0] = format.redMask;
    layout.mask[1] = format.greenMask;
    layout.mask[2] = format.blueMask;
    layout.shift[0] = format.redShift;
    layout.shift[1] = format.greenShift;
    layout.shift[2] = format.blueShift;
    return layout;
}

RJ_VECTOR_CLONES
void BlendAlphaRow16(uint16_t* dst, const uint16_t* colour, const uint8_t* alpha, int count,
                     const ChannelLayout& layout) {
    const uint16_t mask[3] = {static_cast<uint16_t>(layout.mask[0]), static_cast<uint16_t>(layout.mask[1]),
                              static_cast<uint16_t>(layout.mask[2])};
    const int shift[3] = {layout.shift[0], layout.shift[1], layout.shift[2]};
    constexpr int kLanes = 16;
    int i = 0;
    for (; i + kLanes <= count; i += kLanes) {
        U8x16 a8;
        U16x16 d, s;
        Load(a8, alpha + i);
        Load(d, dst + i);
        Load(s, colour + i);
        const I16x16 a = __builtin_convertvector(a8, I16x16);
        BlendPixels(d, s, a, mask, shift);
        Store(dst + i, d);
    }
    for (; i < count; ++i) dst[i] = BlendPixel(dst[i], colour[i], alpha[i], layout);
}

RJ_VECTOR_CLONES
void BlendAlphaRow32(uint32_t* dst, const uint32_t* colour, const uint8_t* alpha, int count,
                     const ChannelLayout& layout) {
    const uint32_t mask[3] = {layout.mask[0], layout.mask[1], layout.mask[2]};
    const int shift[3] = {layout.shift[0], layout.shift[1], layout.shift[2]};
    constexpr int kLanes = 8;
    int i = 0;
    for (; i + kLanes <= count; i += kLanes) {
        U8x8 a8;
        U32x8 d, s;
        Load(a8, alpha + i);
        Load(d, dst + i);
        Load(s, colour + i);
        const I32x8 a = __builtin_convertvector(a8, I32x8);
        BlendPixels(d, s, a, mask, shift);
        Store(dst + i, d);
    }
    for (; i < count; ++i) dst[i] = BlendPixel(dst[i], colour[i], alpha[i], layout);
}

uint32_t ShadowMask(const ChannelLayout& layout) {
    // A channel's lowest bit, shifted down, would land in the channel below; keeping each half
    // inside its own field stops that.
    uint32_t keep = 0;
    for (int c = 0; c < 3; ++c) keep |= (layout.mask[c] >> 1) & layout.mask[c];
    return keep;
}

RJ_VECTOR_CLONES
void ShadowRow16(uint16_t* dst, const int8_t* mask, int count, uint16_t shadowMask) {
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        U16x16 d;
        I8x16 m;
        Load(d, dst + i);
        Load(m, mask + i);
        const U16x16 keep = reinterpret_cast<U16x16>(__builtin_convertvector(m, I16x16));
        Store(dst + i, (d & keep) | (((d >> 1) & shadowMask) & ~keep));
    }
    for (; i < count; ++i) {
        if (mask[i] == kShadow) dst[i] = static_cast<uint16_t>((dst[i] >> 1) & shadowMask);
    }
}

RJ_VECTOR_CLONES
void ShadowRow32(uint32_t* dst, const int8_t* mask, int count, uint32_t shadowMask) {
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        U32x8 d;
        I8x8 m;
        Load(d, dst + i);
        Load(m, mask + i);
        const U32x8 keep = reinterpret_cast<U32x8>(__builtin_convertvector(m, I32x8));
        Store(dst + i, (d & keep) | (((d >> 1) & shadowMask) & ~keep));
    }
    for (; i < count; ++i) {
        if (mask[i] == kShadow) dst[i] = (dst[i] >> 1) & shadowMask;
    }
}

}  // namespace pixelblend
