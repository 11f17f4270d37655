#include "gfx/PixelBlend.h"

#include <cstring>

namespace pixelblend {
namespace {

using U16x8 = uint16_t __attribute__((vector_size(16)));
using I16x8 = int16_t __attribute__((vector_size(16)));
using U32x4 = uint32_t __attribute__((vector_size(16)));
using I32x4 = int32_t __attribute__((vector_size(16)));
using U8x8 = uint8_t __attribute__((vector_size(8)));
using U8x4 = uint8_t __attribute__((vector_size(4)));
using I8x8 = int8_t __attribute__((vector_size(8)));
using I8x4 = int8_t __attribute__((vector_size(4)));

constexpr int kAlphaOpaque = 255;

template <class V, class T>
V Load(const T* p) {
    V v;
    std::memcpy(&v, p, sizeof(V));
    return v;
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

void BlendAlphaRow16(uint16_t* dst, const uint16_t* colour, const uint8_t* alpha, int count,
                     const ChannelLayout& layout) {
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const U16x8 d = Load<U16x8>(dst + i);
        const U16x8 s = Load<U16x8>(colour + i);
        const I16x8 a = __builtin_convertvector(Load<U8x8>(alpha + i), I16x8);
        U16x8 blended = {};
        for (int c = 0; c < 3; ++c) {
            const uint16_t mask = static_cast<uint16_t>(layout.mask[c]);
            const int shift = layout.shift[c];
            const I16x8 dc = reinterpret_cast<I16x8>((d & mask) >> shift);
            const I16x8 sc = reinterpret_cast<I16x8>((s & mask) >> shift);
            const I16x8 r = dc + (((sc - dc) * a) >> 8);
            blended |= (reinterpret_cast<U16x8>(r) << shift) & mask;
        }
        const U16x8 opaque = reinterpret_cast<U16x8>(a == kAlphaOpaque);
        const U16x8 clear = reinterpret_cast<U16x8>(a == 0);
        Store(dst + i, (s & opaque) | (d & clear) | (blended & ~(opaque | clear)));
    }
    for (; i < count; ++i) dst[i] = BlendPixel(dst[i], colour[i], alpha[i], layout);
}

void BlendAlphaRow32(uint32_t* dst, const uint32_t* colour, const uint8_t* alpha, int count,
                     const ChannelLayout& layout) {
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const U32x4 d = Load<U32x4>(dst + i);
        const U32x4 s = Load<U32x4>(colour + i);
        const I32x4 a = __builtin_convertvector(Load<U8x4>(alpha + i), I32x4);
        U32x4 blended = {};
        for (int c = 0; c < 3; ++c) {
            const uint32_t mask = layout.mask[c];
            const int shift = layout.shift[c];
            const I32x4 dc = reinterpret_cast<I32x4>((d & mask) >> shift);
            const I32x4 sc = reinterpret_cast<I32x4>((s & mask) >> shift);
            const I32x4 r = dc + (((sc - dc) * a) >> 8);
            blended |= (reinterpret_cast<U32x4>(r) << shift) & mask;
        }
        const U32x4 opaque = reinterpret_cast<U32x4>(a == kAlphaOpaque);
        const U32x4 clear = reinterpret_cast<U32x4>(a == 0);
        Store(dst + i, (s & opaque) | (d & clear) | (blended & ~(opaque | clear)));
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

void ShadowRow16(uint16_t* dst, const int8_t* mask, int count, uint16_t shadowMask) {
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const U16x8 d = Load<U16x8>(dst + i);
        const U16x8 keep = reinterpret_cast<U16x8>(__builtin_convertvector(Load<I8x8>(mask + i), I16x8));
        Store(dst + i, (d & keep) | (((d >> 1) & shadowMask) & ~keep));
    }
    for (; i < count; ++i) {
        if (mask[i] == kShadow) dst[i] = static_cast<uint16_t>((dst[i] >> 1) & shadowMask);
    }
}

void ShadowRow32(uint32_t* dst, const int8_t* mask, int count, uint32_t shadowMask) {
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const U32x4 d = Load<U32x4>(dst + i);
        const U32x4 keep = reinterpret_cast<U32x4>(__builtin_convertvector(Load<I8x4>(mask + i), I32x4));
        Store(dst + i, (d & keep) | (((d >> 1) & shadowMask) & ~keep));
    }
    for (; i < count; ++i) {
        if (mask[i] == kShadow) dst[i] = (dst[i] >> 1) & shadowMask;
    }
}

}  // namespace pixelblend
