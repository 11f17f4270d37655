#pragma once

#include <cstdint>
#include <cstring>

// Sixteen blue-green-red pixels (48 bytes) as three vectors of one channel each and back, for the
// loading's pixel loops that work on many pixels at a time. The functions are inlined into each
// instruction-set build of their callers (VectorClones.h); vectors travel by reference, since by
// value they would tie the baseline build to another calling convention.
namespace bgrblock {

constexpr int kPixels = 16;
constexpr int kBytes = 3 * kPixels;
using Lanes = uint8_t __attribute__((vector_size(kPixels)));

struct Planes {
    Lanes blue;
    Lanes green;
    Lanes red;
};

// Lanes of two vectors picked by index (0 … 15 the first, 16 … 31 the second), as GCC and clang
// both spell it.
template <int... kPick>
[[gnu::always_inline]] inline Lanes Pick(const Lanes& a, const Lanes& b) {
    return __builtin_shufflevector(a, b, kPick...);
}

// The 48 bytes at `bgr` split by channel: each channel's bytes of the first 32 from the first two
// vectors, then the rest from the third.
[[gnu::always_inline]] inline void Load(const uint8_t* bgr, Planes& out) {
    Lanes in[3];
    std::memcpy(in, bgr, sizeof in);
    out.blue = Pick<0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17, 20, 23, 26, 29>(
        Pick<0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 0, 0, 0, 0, 0>(in[0], in[1]), in[2]);
    out.green = Pick<0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 18, 21, 24, 27, 30>(
        Pick<1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 0, 0, 0, 0, 0>(in[0], in[1]), in[2]);
    out.red = Pick<0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 19, 22, 25, 28, 31>(
        Pick<2, 5, 8, 11, 14, 17, 20, 23, 26, 29, 0, 0, 0, 0, 0, 0>(in[0], in[1]), in[2]);
}

// The channels interleaved again into the 48 bytes at `bgr`: each 16 bytes from blue and green
// first, then red.
[[gnu::always_inline]] inline void Store(const Planes& planes, uint8_t* bgr) {
    Lanes out[3];
    out[0] = Pick<0, 1, 16, 3, 4, 17, 6, 7, 18, 9, 10, 19, 12, 13, 20, 15>(
        Pick<0, 16, 0, 1, 17, 0, 2, 18, 0, 3, 19, 0, 4, 20, 0, 5>(planes.blue, planes.green), planes.red);
    out[1] = Pick<0, 21, 2, 3, 22, 5, 6, 23, 8, 9, 24, 11, 12, 25, 14, 15>(
        Pick<21, 0, 6, 22, 0, 7, 23, 0, 8, 24, 0, 9, 25, 0, 10, 26>(planes.blue, planes.green), planes.red);
    out[2] = Pick<26, 1, 2, 27, 4, 5, 28, 7, 8, 29, 10, 11, 30, 13, 14, 31>(
        Pick<0, 11, 27, 0, 12, 28, 0, 13, 29, 0, 14, 30, 0, 15, 31, 0>(planes.blue, planes.green), planes.red);
    std::memcpy(bgr, out, sizeof out);
}

}  // namespace bgrblock
