#include "platform/DisplayBlit.h"

#include <algorithm>
#include <cstring>

namespace platform::blit {
namespace {

// Sixteen bytes: the width every x86-64 and ARM64 machine has in vector registers.
constexpr size_t kVectorBytes = 16;
template <class Pixel>
using Vector __attribute__((vector_size(kVectorBytes))) = Pixel;

template <class Pixel>
inline Vector<Pixel> Load(const Pixel* p) {
    Vector<Pixel> v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <class Pixel>
inline void Store(Pixel* p, Vector<Pixel> v) {
    std::memcpy(p, &v, sizeof v);
}

// Unsigned range test without a branch: (s − low) wraps to a large value below low.
template <class Pixel>
inline bool InKey(Pixel s, Pixel low, Pixel span) {
    return static_cast<Pixel>(s - low) <= span;
}

template <class Pixel>
void KeyedRow(Pixel* dst, const Pixel* src, int count, Pixel low, Pixel high) {
    constexpr int kLanes = kVectorBytes / sizeof(Pixel);
    const Pixel span = static_cast<Pixel>(high - low);
    int i = 0;
    // Two vectors per step hide the latency of the loads.
    for (; i + 2 * kLanes <= count; i += 2 * kLanes) {
        const Vector<Pixel> s0 = Load(src + i);
        const Vector<Pixel> s1 = Load(src + i + kLanes);
        const Vector<Pixel> d0 = Load(dst + i);
        const Vector<Pixel> d1 = Load(dst + i + kLanes);
        const auto keep0 = reinterpret_cast<Vector<Pixel>>(static_cast<Vector<Pixel>>(s0 - low) <= span);
        const auto keep1 = reinterpret_cast<Vector<Pixel>>(static_cast<Vector<Pixel>>(s1 - low) <= span);
        Store<Pixel>(dst + i, (d0 & keep0) | (s0 & ~keep0));
        Store<Pixel>(dst + i + kLanes, (d1 & keep1) | (s1 & ~keep1));
    }
    for (; i + kLanes <= count; i += kLanes) {
        const Vector<Pixel> s = Load(src + i);
        const Vector<Pixel> d = Load(dst + i);
        const auto keep = reinterpret_cast<Vector<Pixel>>(static_cast<Vector<Pixel>>(s - low) <= span);
        Store<Pixel>(dst + i, (d & keep) | (s & ~keep));
    }
    for (; i < count; ++i) {
        if (!InKey(src[i], low, span)) dst[i] = src[i];
    }
}

template <class Pixel>
void StretchRow(Pixel* dst, const Pixel* src, const int* columns, int count, bool keyed, Pixel low, Pixel high) {
    if (!keyed) {
        for (int i = 0; i < count; ++i) dst[i] = src[columns[i]];
        return;
    }
    const Pixel span = static_cast<Pixel>(high - low);
    for (int i = 0; i < count; ++i) {
        const Pixel s = src[columns[i]];
        dst[i] = InKey(s, low, span) ? dst[i] : s;
    }
}

}  // namespace

void CopyRows(uint8_t* dst, int dstPitch, const uint8_t* src, int srcPitch, size_t rowBytes, int rows) {
    if (rows <= 0 || rowBytes == 0) return;
    if (static_cast<size_t>(dstPitch) == rowBytes && static_cast<size_t>(srcPitch) == rowBytes) {
        std::memmove(dst, src, rowBytes * rows);
        return;
    }
    // Copying upwards within one surface must start at the bottom row.
    if (dst > src && dst < src + static_cast<ptrdiff_t>(srcPitch) * rows) {
        for (int y = rows - 1; y >= 0; --y) {
            std::memmove(dst + static_cast<ptrdiff_t>(dstPitch) * y, src + static_cast<ptrdiff_t>(srcPitch) * y,
                         rowBytes);
        }
        return;
    }
    for (int y = 0; y < rows; ++y) {
        std::memmove(dst, src, rowBytes);
        dst += dstPitch;
        src += srcPitch;
    }
}

void KeyedRow16(uint16_t* dst, const uint16_t* src, int count, uint16_t low, uint16_t high) {
    KeyedRow(dst, src, count, low, high);
}

void KeyedRow32(uint32_t* dst, const uint32_t* src, int count, uint32_t low, uint32_t high) {
    KeyedRow(dst, src, count, low, high);
}

void FillRow16(uint16_t* dst, int count, uint16_t value) { std::fill_n(dst, count, value); }

void FillRow32(uint32_t* dst, int count, uint32_t value) { std::fill_n(dst, count, value); }

void StretchRow16(uint16_t* dst, const uint16_t* src, const int* columns, int count, bool keyed, uint16_t low,
                  uint16_t high) {
    StretchRow(dst, src, columns, count, keyed, low, high);
}

void StretchRow32(uint32_t* dst, const uint32_t* src, const int* columns, int count, bool keyed, uint32_t low,
                  uint32_t high) {
    StretchRow(dst, src, columns, count, keyed, low, high);
}

}  // namespace platform::blit
