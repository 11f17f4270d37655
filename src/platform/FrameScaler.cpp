#include "platform/FrameScaler.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

// The wide loops are written for AVX2 and chosen at run time when the processor has it; the plain
// loops below serve every other processor (and are what the wide ones are checked against).
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define RJ_WIDE_LOOPS 1
#include <immintrin.h>
#define RJ_AVX2 __attribute__((target("avx2")))
#else
#define RJ_WIDE_LOOPS 0
#endif

namespace platform {
namespace {

constexpr uint32_t kFullWeight = 256;
constexpr int kGroup = 8;  // pixels in one AVX2 register

// (a · (256 − w) + b · w) / 256 for every byte: each channel of a pixel is blended alone, and no
// product leaves 16 bits, so the loops run in the vector unit's 16-bit lanes. One weight for a
// whole row (the vertical pass) or one per byte (the horizontal pass).
void BlendBytes(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t count, uint32_t weight) {
    const auto take = static_cast<uint16_t>(weight);
    const auto keep = static_cast<uint16_t>(kFullWeight - weight);
    for (size_t i = 0; i < count; ++i) {
        out[i] = static_cast<uint8_t>(static_cast<uint16_t>(a[i] * keep + b[i] * take) >> 8);
    }
}

void BlendBytes(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t count, const uint8_t* weights) {
    for (size_t i = 0; i < count; ++i) {
        const auto take = static_cast<uint16_t>(weights[i]);
        const auto keep = static_cast<uint16_t>(kFullWeight - take);
        out[i] = static_cast<uint8_t>(static_cast<uint16_t>(a[i] * keep + b[i] * take) >> 8);
    }
}

// Five or six bits widened to eight by repeating the top bits: 31 → 255, 63 → 255.
inline uint32_t Widen5(uint32_t v) { return (v << 3) | (v >> 2); }
inline uint32_t Widen6(uint32_t v) { return (v << 2) | (v >> 4); }

void Convert565(const uint16_t* in, uint32_t* out, int count) {
    for (int i = 0; i < count; ++i) {
        const uint32_t p = in[i];
        out[i] = (Widen5(p >> 11) << 16) | (Widen6((p >> 5) & 0x3F) << 8) | Widen5(p & 0x1F);
    }
}

void Convert555(const uint16_t* in, uint32_t* out, int count) {
    for (int i = 0; i < count; ++i) {
        const uint32_t p = in[i];
        out[i] = (Widen5((p >> 10) & 0x1F) << 16) | (Widen5((p >> 5) & 0x1F) << 8) | Widen5(p & 0x1F);
    }
}

void Convert8888(const uint32_t* in, uint32_t* out, int count) {
    for (int i = 0; i < count; ++i) out[i] = in[i] & 0x00FFFFFF;
}

void Gather(const uint32_t* __restrict in, const int* __restrict first, const int* __restrict second,
            uint32_t* __restrict left, uint32_t* __restrict right, size_t count) {
    for (size_t x = 0; x < count; ++x) {
        left[x] = in[first[x]];
        right[x] = in[second[x]];
    }
}

#if RJ_WIDE_LOOPS
bool ProcessorHasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2") != 0;
    return has;
}

RJ_AVX2 void Convert565Wide(const uint16_t* in, uint32_t* out, int count) {
    const __m256i five = _mm256_set1_epi32(0x1F);
    const __m256i six = _mm256_set1_epi32(0x3F);
    int i = 0;
    for (; i + kGroup <= count; i += kGroup) {
        const __m256i p = _mm256_cvtepu16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i)));
        const __m256i r = _mm256_srli_epi32(p, 11);
        const __m256i g = _mm256_and_si256(_mm256_srli_epi32(p, 5), six);
        const __m256i b = _mm256_and_si256(p, five);
        const __m256i r8 = _mm256_or_si256(_mm256_slli_epi32(r, 3), _mm256_srli_epi32(r, 2));
        const __m256i g8 = _mm256_or_si256(_mm256_slli_epi32(g, 2), _mm256_srli_epi32(g, 4));
        const __m256i b8 = _mm256_or_si256(_mm256_slli_epi32(b, 3), _mm256_srli_epi32(b, 2));
        const __m256i rgb = _mm256_or_si256(_mm256_or_si256(_mm256_slli_epi32(r8, 16), _mm256_slli_epi32(g8, 8)), b8);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), rgb);
    }
    Convert565(in + i, out + i, count - i);
}

// The plain blend of eight pixels, with the weights of the second taps in 16-bit lanes in the
// order the bytes unpack: pixels 0, 1, 4, 5 in `takeLow`, 2, 3, 6, 7 in `takeHigh`.
RJ_AVX2 inline __m256i BlendWide(__m256i a, __m256i b, __m256i takeLow, __m256i takeHigh) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i full = _mm256_set1_epi16(static_cast<int16_t>(kFullWeight));
    const __m256i low =
        _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(a, zero), _mm256_sub_epi16(full, takeLow)),
                         _mm256_mullo_epi16(_mm256_unpacklo_epi8(b, zero), takeLow));
    const __m256i high =
        _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(a, zero), _mm256_sub_epi16(full, takeHigh)),
                         _mm256_mullo_epi16(_mm256_unpackhi_epi8(b, zero), takeHigh));
    return _mm256_packus_epi16(_mm256_srli_epi16(low, 8), _mm256_srli_epi16(high, 8));
}

// One scaled row from a converted frame row padded by eight pixels: each eight target pixels take
// their taps from the eight source pixels at their group's first tap (and from the eight after
// that for the second taps) by one permutation each.
RJ_AVX2 void ScaleRowWide(const uint32_t* in, const int* base, const int32_t* offsets, const uint16_t* weights,
                          uint32_t* out, size_t groups) {
    for (size_t g = 0; g < groups; ++g) {
        const uint32_t* at = in + base[g];
        const __m256i index = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(offsets + g * kGroup));
        const __m256i a = _mm256_permutevar8x32_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at)), index);
        const __m256i b =
            _mm256_permutevar8x32_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 1)), index);
        const auto* w = reinterpret_cast<const __m256i*>(weights + g * 4 * kGroup);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + g * kGroup),
                            BlendWide(a, b, _mm256_loadu_si256(w), _mm256_loadu_si256(w + 1)));
    }
}

// One window row blended from two scaled rows (weight 0 copies the upper one). The window's
// pixels are written past the caches: nothing reads them soon, and a normal store would first
// read each line in.
RJ_AVX2 void BlendRowWide(const uint32_t* upper, const uint32_t* lower, uint32_t* out, int count, uint32_t weight) {
    const __m256i take = _mm256_set1_epi16(static_cast<int16_t>(weight));
    // The pixels before the row's first 32-byte boundary go the plain way (all of them in a row
    // not even aligned to whole pixels).
    constexpr uintptr_t kLine = sizeof(__m256i);
    const auto address = reinterpret_cast<uintptr_t>(out);
    const int head = address % sizeof(uint32_t) != 0
                         ? count
                         : std::min(count, static_cast<int>((kLine - address % kLine) % kLine / sizeof(uint32_t)));
    BlendBytes(reinterpret_cast<const uint8_t*>(upper), reinterpret_cast<const uint8_t*>(lower),
               reinterpret_cast<uint8_t*>(out), static_cast<size_t>(head) * sizeof(uint32_t), weight);
    int x = head;
    if (weight == 0) {
        for (; x + kGroup <= count; x += kGroup) {
            _mm256_stream_si256(reinterpret_cast<__m256i*>(out + x),
                                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(upper + x)));
        }
    } else {
        for (; x + kGroup <= count; x += kGroup) {
            const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(upper + x));
            const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lower + x));
            _mm256_stream_si256(reinterpret_cast<__m256i*>(out + x), BlendWide(a, b, take, take));
        }
    }
    BlendBytes(reinterpret_cast<const uint8_t*>(upper + x), reinterpret_cast<const uint8_t*>(lower + x),
               reinterpret_cast<uint8_t*>(out + x), static_cast<size_t>(count - x) * sizeof(uint32_t), weight);
}

RJ_AVX2 void StoresDone() { _mm_sfence(); }
#endif

uint32_t* TargetRow(const PixelTarget& target, int y) {
    return reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(target.pixels) +
                                       static_cast<ptrdiff_t>(y) * target.pitch);
}

// The part of the viewport that lies on the target.
struct Span {
    int first = 0;  // viewport coordinates
    int end = 0;
};
Span Clip(int origin, int size, int targetSize) { return {std::max(0, -origin), std::min(size, targetSize - origin)}; }

size_t RoundUpToGroup(int count) { return (static_cast<size_t>(count) + kGroup - 1) / kGroup * kGroup; }

}  // namespace

FrameScaler::FrameScaler(bool wideVectors) {
#if RJ_WIDE_LOOPS
    wide_ = wideVectors && ProcessorHasAvx2();
#else
    (void)wideVectors;
#endif
}

void FrameScaler::ConvertRow(const FrameView& frame, int row, uint32_t* out) {
    const auto* base = static_cast<const uint8_t*>(frame.pixels) + static_cast<ptrdiff_t>(row) * frame.pitch;
    if (frame.bitsPerPixel == 32) {
        Convert8888(reinterpret_cast<const uint32_t*>(base), out, frame.width);
    } else if (frame.greenMask == 0x03E0) {
        Convert555(reinterpret_cast<const uint16_t*>(base), out, frame.width);
    } else {
#if RJ_WIDE_LOOPS
        if (ProcessorHasAvx2()) {
            Convert565Wide(reinterpret_cast<const uint16_t*>(base), out, frame.width);
            return;
        }
#endif
        Convert565(reinterpret_cast<const uint16_t*>(base), out, frame.width);
    }
}

void FrameScaler::Convert(const FrameView& frame, int row, uint32_t* out) const {
    if (wide_ || frame.bitsPerPixel != 16 || frame.greenMask == 0x03E0) {
        ConvertRow(frame, row, out);
        return;
    }
    const auto* base = static_cast<const uint8_t*>(frame.pixels) + static_cast<ptrdiff_t>(row) * frame.pitch;
    Convert565(reinterpret_cast<const uint16_t*>(base), out, frame.width);
}

void FrameScaler::RowChoice::Note(int targetRow) const {
    if (!written) return;
    if (!written->empty() && written->back().end == targetRow) {
        ++written->back().end;
    } else {
        written->push_back({targetRow, targetRow + 1});
    }
}

void FrameScaler::Draw(const FrameView& frame, const PixelTarget& target, const Viewport& viewport) {
    DrawChosen(frame, target, viewport, {});
}

void FrameScaler::DrawChanged(const FrameView& frame, const PixelTarget& target, const Viewport& viewport,
                              const uint8_t* changedRows, std::vector<Band>& written) {
    DrawChosen(frame, target, viewport, {changedRows, &written});
}

void FrameScaler::DrawChosen(const FrameView& frame, const PixelTarget& target, const Viewport& viewport,
                             const RowChoice& choice) {
    if (!frame.pixels || frame.width <= 0 || frame.height <= 0 || !target.pixels) return;
    if (frame.bitsPerPixel != 16 && frame.bitsPerPixel != 32) return;
    if (viewport.width <= 0 || viewport.height <= 0) return;
    const bool wholeFactor = viewport.width % frame.width == 0 && viewport.height % frame.height == 0 &&
                             viewport.width / frame.width == viewport.height / frame.height;
    if (wholeFactor) {
        DrawWholeFactor(frame, target, viewport, viewport.width / frame.width, choice);
    } else {
        DrawFiltered(frame, target, viewport, choice);
    }
}

void FrameScaler::DrawWholeFactor(const FrameView& frame, const PixelTarget& target, const Viewport& viewport,
                                  int factor, const RowChoice& choice) {
    const Span columns = Clip(viewport.x, viewport.width, target.width);
    const Span rows = Clip(viewport.y, viewport.height, target.height);
    if (columns.first >= columns.end || rows.first >= rows.end) return;
    const size_t rowBytes = static_cast<size_t>(columns.end - columns.first) * sizeof(uint32_t);
    if (factor == 1 && columns.first == 0 && columns.end == frame.width) {
        for (int y = rows.first; y < rows.end; ++y) {
            if (!choice.Wanted(y)) continue;
            Convert(frame, y, TargetRow(target, viewport.y + y) + viewport.x);
            choice.Note(viewport.y + y);
        }
        return;
    }
    sourceRow_.resize(static_cast<size_t>(frame.width));
    scaled_[0].resize(static_cast<size_t>(viewport.width));
    uint32_t* wide = scaled_[0].data();
    scaledRow_[0] = scaledRow_[1] = -1;
    for (int y = rows.first; y < rows.end;) {
        const int source = y / factor;
        const int last = std::min(rows.end, (source + 1) * factor);
        if (!choice.Wanted(source)) {
            y = last;
            continue;
        }
        Convert(frame, source, sourceRow_.data());
        for (int x = 0; x < frame.width; ++x) {
            const uint32_t pixel = sourceRow_[static_cast<size_t>(x)];
            std::fill_n(wide + static_cast<ptrdiff_t>(x) * factor, factor, pixel);
        }
        // Every target row of this source row is the same: one expansion, then copies.
        for (; y < last; ++y) {
            std::memcpy(TargetRow(target, viewport.y + y) + viewport.x + columns.first, wide + columns.first, rowBytes);
            choice.Note(viewport.y + y);
        }
    }
}

void FrameScaler::MakeTaps(Taps& taps, int sourceSize, int targetSize) {
    if (taps.sourceSize == sourceSize && taps.targetSize == targetSize) return;
    taps.sourceSize = sourceSize;
    taps.targetSize = targetSize;
    // Rounded up to whole groups: the last group's extra pixels repeat the last taps.
    const size_t padded = RoundUpToGroup(targetSize);
    taps.first.resize(padded);
    taps.second.resize(padded);
    taps.weight.resize(padded);
    taps.weightBytes.resize(padded * sizeof(uint32_t));
    for (size_t at = 0; at < padded; ++at) {
        // The target pixel's centre in source pixels, in 1/256ths: (i + ½) · source / target − ½.
        const int64_t i = std::min<int64_t>(static_cast<int64_t>(at), targetSize - 1);
        const int64_t position = ((2 * i + 1) * sourceSize * 256 - static_cast<int64_t>(targetSize) * 256) /
                                 (2 * static_cast<int64_t>(targetSize));
        const int64_t clamped = std::clamp<int64_t>(position, 0, static_cast<int64_t>(sourceSize - 1) * 256);
        const int first = static_cast<int>(clamped >> 8);
        taps.first[at] = first;
        taps.second[at] = std::min(first + 1, sourceSize - 1);
        taps.weight[at] = static_cast<uint32_t>(clamped & 0xFF);
        std::fill_n(taps.weightBytes.begin() + static_cast<ptrdiff_t>(at * sizeof(uint32_t)), sizeof(uint32_t),
                    static_cast<uint8_t>(taps.weight[at]));
    }
    const size_t groups = padded / kGroup;
    taps.groupBase.resize(groups);
    taps.groupOffsets.resize(padded);
    taps.groupWeights.resize(padded * sizeof(uint32_t));
    for (size_t g = 0; g < groups; ++g) {
        const size_t start = g * kGroup;
        const int base = taps.first[start];
        taps.groupBase[g] = base;
        for (size_t k = 0; k < kGroup; ++k) {
            const int offset = taps.first[start + k] - base;
            if (offset >= kGroup) {  // shrinking: the taps lie too far apart for one permutation
                taps.groupBase.clear();
                taps.groupOffsets.clear();
                taps.groupWeights.clear();
                return;
            }
            taps.groupOffsets[start + k] = offset;
            // Bytes of pixels 0, 1 | 4, 5 unpack into the first register, 2, 3 | 6, 7 into the second.
            const size_t half = k % 4 / 2;  // which register
            const size_t lane = k / 4;      // which 128-bit half of it
            const size_t slot = k % 2;      // which pixel within that half
            const size_t word = g * 4 * kGroup + half * 16 + lane * 8 + slot * 4;
            std::fill_n(taps.groupWeights.begin() + static_cast<ptrdiff_t>(word), 4,
                        static_cast<uint16_t>(taps.weight[start + k]));
        }
    }
}

const uint32_t* FrameScaler::ScaledRow(const FrameView& frame, int row) {
    for (int slot = 0; slot < 2; ++slot) {
        if (scaledRow_[slot] == row) return scaled_[slot].data();
    }
    // Rows are asked for in rising order: the slot holding the lower row is the one to reuse.
    const int slot = scaledRow_[0] < scaledRow_[1] ? 0 : 1;
    std::vector<uint32_t>& out = scaled_[slot];
    const size_t count = RoundUpToGroup(columns_.targetSize);
    out.resize(count);
    // A group's second taps may reach eight pixels past its first: the row is padded with its last pixel.
    sourceRow_.resize(static_cast<size_t>(frame.width) + kGroup + 1);
    Convert(frame, row, sourceRow_.data());
    std::fill(sourceRow_.begin() + frame.width, sourceRow_.end(), sourceRow_[static_cast<size_t>(frame.width) - 1]);
#if RJ_WIDE_LOOPS
    if (wide_ && !columns_.groupBase.empty()) {
        ScaleRowWide(sourceRow_.data(), columns_.groupBase.data(), columns_.groupOffsets.data(),
                     columns_.groupWeights.data(), out.data(), columns_.groupBase.size());
        scaledRow_[slot] = row;
        return out.data();
    }
#endif
    // The two taps of every target pixel side by side (plain loads), then one blend of the bytes.
    left_.resize(count);
    right_.resize(count);
    Gather(sourceRow_.data(), columns_.first.data(), columns_.second.data(), left_.data(), right_.data(), count);
    BlendBytes(reinterpret_cast<const uint8_t*>(left_.data()), reinterpret_cast<const uint8_t*>(right_.data()),
               reinterpret_cast<uint8_t*>(out.data()), count * sizeof(uint32_t), columns_.weightBytes.data());
    scaledRow_[slot] = row;
    return out.data();
}

void FrameScaler::DrawFiltered(const FrameView& frame, const PixelTarget& target, const Viewport& viewport,
                               const RowChoice& choice) {
    const Span columns = Clip(viewport.x, viewport.width, target.width);
    const Span rows = Clip(viewport.y, viewport.height, target.height);
    if (columns.first >= columns.end || rows.first >= rows.end) return;
    MakeTaps(columns_, frame.width, viewport.width);
    MakeTaps(rows_, frame.height, viewport.height);
    scaledRow_[0] = scaledRow_[1] = -1;
    const int count = columns.end - columns.first;
    for (int y = rows.first; y < rows.end; ++y) {
        const size_t at = static_cast<size_t>(y);
        if (!choice.Wanted(rows_.first[at]) && !choice.Wanted(rows_.second[at])) continue;
        choice.Note(viewport.y + y);
        const uint32_t* upper = ScaledRow(frame, rows_.first[at]) + columns.first;
        const uint32_t* lower = ScaledRow(frame, rows_.second[at]) + columns.first;
        const uint32_t weight = rows_.weight[at];
        uint32_t* out = TargetRow(target, viewport.y + y) + viewport.x + columns.first;
#if RJ_WIDE_LOOPS
        if (wide_) {
            BlendRowWide(upper, lower, out, count, weight);
            continue;
        }
#endif
        if (weight == 0) {
            std::memcpy(out, upper, static_cast<size_t>(count) * sizeof(uint32_t));
            continue;
        }
        BlendBytes(reinterpret_cast<const uint8_t*>(upper), reinterpret_cast<const uint8_t*>(lower),
                   reinterpret_cast<uint8_t*>(out), static_cast<size_t>(count) * sizeof(uint32_t), weight);
    }
#if RJ_WIDE_LOOPS
    if (wide_) StoresDone();
#endif
}

}  // namespace platform
