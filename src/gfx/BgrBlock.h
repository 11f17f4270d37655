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

namespace detail {

// Lane picks of __builtin_shuffle: one channel's bytes of the 48, the first 32 from the first two
// vectors, then the rest from the third.
constexpr Lanes kBlueFirst = {0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 0, 0, 0, 0, 0};
constexpr Lanes kBlueSecond = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17, 20, 23, 26, 29};
constexpr Lanes kGreenFirst = {1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 0, 0, 0, 0, 0};
constexpr Lanes kGreenSecond = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 18, 21, 24, 27, 30};
constexpr Lanes kRedFirst = {2, 5, 8, 11, 14, 17, 20, 23, 26, 29, 0, 0, 0, 0, 0, 0};
constexpr Lanes kRedSecond = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 19, 22, 25, 28, 31};
// And back: each 16 bytes of the 48 from blue and green first, then red.
constexpr Lanes kOut0First = {0, 16, 0, 1, 17, 0, 2, 18, 0, 3, 19, 0, 4, 20, 0, 5};
constexpr Lanes kOut0Second = {0, 1, 16, 3, 4, 17, 6, 7, 18, 9, 10, 19, 12, 13, 20, 15};
constexpr Lanes kOut1First = {21, 0, 6, 22, 0, 7, 23, 0, 8, 24, 0, 9, 25, 0, 10, 26};
constexpr Lanes kOut1Second = {0, 21, 2, 3, 22, 5, 6, 23, 8, 9, 24, 11, 12, 25, 14, 15};
constexpr Lanes kOut2First = {0, 11, 27, 0, 12, 28, 0, 13, 29, 0, 14, 30, 0, 15, 31, 0};
constexpr Lanes kOut2Second = {26, 1, 2, 27, 4, 5, 28, 7, 8, 29, 10, 11, 30, 13, 14, 31};

}  // namespace detail

// The 48 bytes at `bgr` split by channel.
[[gnu::always_inline]] inline void Load(const uint8_t* bgr, Planes& out) {
    using namespace detail;
    Lanes in[3];
    std::memcpy(in, bgr, sizeof in);
    out.blue = __builtin_shuffle(__builtin_shuffle(in[0], in[1], kBlueFirst), in[2], kBlueSecond);
    out.green = __builtin_shuffle(__builtin_shuffle(in[0], in[1], kGreenFirst), in[2], kGreenSecond);
    out.red = __builtin_shuffle(__builtin_shuffle(in[0], in[1], kRedFirst), in[2], kRedSecond);
}

// The channels interleaved again into the 48 bytes at `bgr`.
[[gnu::always_inline]] inline void Store(const Planes& planes, uint8_t* bgr) {
    using namespace detail;
    Lanes out[3];
    out[0] = __builtin_shuffle(__builtin_shuffle(planes.blue, planes.green, kOut0First), planes.red, kOut0Second);
    out[1] = __builtin_shuffle(__builtin_shuffle(planes.blue, planes.green, kOut1First), planes.red, kOut1Second);
    out[2] = __builtin_shuffle(__builtin_shuffle(planes.blue, planes.green, kOut2First), planes.red, kOut2Second);
    std::memcpy(bgr, out, sizeof out);
}

}  // namespace bgrblock
