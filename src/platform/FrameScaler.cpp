#include "platform/FrameScaler.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

// The pixel loops are built twice on x86-64, for the wide vector unit most processors have and
// for the basic one, and the loader picks the one the processor runs. Not under the sanitizers:
// the loader's choice runs before they are set up (under the thread sanitizer it crashes).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && defined(__linux__) && \
    !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
#define RJ_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define RJ_VECTOR_CLONES
#endif

namespace platform {
namespace {

constexpr uint32_t kFullWeight = 256;

// (a · (256 − w) + b · w) / 256 for every byte: each channel of a pixel is blended alone, and no
// product leaves 16 bits, so the loops run in the vector unit's 16-bit lanes. One weight for a
// whole row (the vertical pass) or one per byte (the horizontal pass).
RJ_VECTOR_CLONES void BlendBytes(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t count, uint32_t weight) {
    const auto take = static_cast<uint16_t>(weight);
    const auto keep = static_cast<uint16_t>(kFullWeight - weight);
    for (size_t i = 0; i < count; ++i) {
        out[i] = static_cast<uint8_t>(static_cast<uint16_t>(a[i] * keep + b[i] * take) >> 8);
    }
}

RJ_VECTOR_CLONES void BlendBytes(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t count,
                                 const uint8_t* weights) {
    for (size_t i = 0; i < count; ++i) {
        const auto take = static_cast<uint16_t>(weights[i]);
        const auto keep = static_cast<uint16_t>(kFullWeight - take);
        out[i] = static_cast<uint8_t>(static_cast<uint16_t>(a[i] * keep + b[i] * take) >> 8);
    }
}

// Five or six bits widened to eight by repeating the top bits: 31 → 255, 63 → 255.
inline uint32_t Widen5(uint32_t v) { return (v << 3) | (v >> 2); }
inline uint32_t Widen6(uint32_t v) { return (v << 2) | (v >> 4); }

RJ_VECTOR_CLONES void Convert565(const uint16_t* in, uint32_t* out, int count) {
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

// The two taps of each pixel: with a wide vector unit, eight loads at once.
RJ_VECTOR_CLONES void Gather(const uint32_t* __restrict in, const int* __restrict first, const int* __restrict second,
                             uint32_t* __restrict left, uint32_t* __restrict right, size_t count) {
    for (size_t x = 0; x < count; ++x) {
        left[x] = in[first[x]];
        right[x] = in[second[x]];
    }
}

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

}  // namespace

void FrameScaler::ConvertRow(const FrameView& frame, int row, uint32_t* out) {
    const auto* base = static_cast<const uint8_t*>(frame.pixels) + static_cast<ptrdiff_t>(row) * frame.pitch;
    if (frame.bitsPerPixel == 32) {
        Convert8888(reinterpret_cast<const uint32_t*>(base), out, frame.width);
    } else if (frame.greenMask == 0x03E0) {
        Convert555(reinterpret_cast<const uint16_t*>(base), out, frame.width);
    } else {
        Convert565(reinterpret_cast<const uint16_t*>(base), out, frame.width);
    }
}

void FrameScaler::Draw(const FrameView& frame, const PixelTarget& target, const Viewport& viewport) {
    if (!frame.pixels || frame.width <= 0 || frame.height <= 0 || !target.pixels) return;
    if (frame.bitsPerPixel != 16 && frame.bitsPerPixel != 32) return;
    if (viewport.width <= 0 || viewport.height <= 0) return;
    const bool wholeFactor = viewport.width % frame.width == 0 && viewport.height % frame.height == 0 &&
                             viewport.width / frame.width == viewport.height / frame.height;
    if (wholeFactor) {
        DrawWholeFactor(frame, target, viewport, viewport.width / frame.width);
    } else {
        DrawFiltered(frame, target, viewport);
    }
}

void FrameScaler::DrawWholeFactor(const FrameView& frame, const PixelTarget& target, const Viewport& viewport,
                                  int factor) {
    const Span columns = Clip(viewport.x, viewport.width, target.width);
    const Span rows = Clip(viewport.y, viewport.height, target.height);
    if (columns.first >= columns.end || rows.first >= rows.end) return;
    const size_t rowBytes = static_cast<size_t>(columns.end - columns.first) * sizeof(uint32_t);
    if (factor == 1 && columns.first == 0 && columns.end == frame.width) {
        for (int y = rows.first; y < rows.end; ++y)
            ConvertRow(frame, y, TargetRow(target, viewport.y + y) + viewport.x);
        return;
    }
    sourceRow_.resize(static_cast<size_t>(frame.width));
    scaled_[0].resize(static_cast<size_t>(viewport.width));
    uint32_t* wide = scaled_[0].data();
    scaledRow_[0] = scaledRow_[1] = -1;
    for (int y = rows.first; y < rows.end;) {
        const int source = y / factor;
        ConvertRow(frame, source, sourceRow_.data());
        for (int x = 0; x < frame.width; ++x) {
            const uint32_t pixel = sourceRow_[static_cast<size_t>(x)];
            std::fill_n(wide + static_cast<ptrdiff_t>(x) * factor, factor, pixel);
        }
        // Every target row of this source row is the same: one expansion, then copies.
        const int last = std::min(rows.end, (source + 1) * factor);
        for (; y < last; ++y)
            std::memcpy(TargetRow(target, viewport.y + y) + viewport.x + columns.first, wide + columns.first, rowBytes);
    }
}

void FrameScaler::MakeTaps(Taps& taps, int sourceSize, int targetSize) {
    if (taps.sourceSize == sourceSize && taps.targetSize == targetSize) return;
    taps.sourceSize = sourceSize;
    taps.targetSize = targetSize;
    taps.first.resize(static_cast<size_t>(targetSize));
    taps.second.resize(static_cast<size_t>(targetSize));
    taps.weight.resize(static_cast<size_t>(targetSize));
    taps.weightBytes.resize(static_cast<size_t>(targetSize) * sizeof(uint32_t));
    for (int i = 0; i < targetSize; ++i) {
        // The target pixel's centre in source pixels, in 1/256ths: (i + ½) · source / target − ½.
        const int64_t position =
            ((2 * static_cast<int64_t>(i) + 1) * sourceSize * 256 - static_cast<int64_t>(targetSize) * 256) /
            (2 * static_cast<int64_t>(targetSize));
        const int64_t clamped = std::clamp<int64_t>(position, 0, static_cast<int64_t>(sourceSize - 1) * 256);
        const int first = static_cast<int>(clamped >> 8);
        const size_t at = static_cast<size_t>(i);
        taps.first[at] = first;
        taps.second[at] = std::min(first + 1, sourceSize - 1);
        taps.weight[at] = static_cast<uint32_t>(clamped & 0xFF);
        std::fill_n(taps.weightBytes.begin() + static_cast<ptrdiff_t>(at * sizeof(uint32_t)), sizeof(uint32_t),
                    static_cast<uint8_t>(taps.weight[at]));
    }
}

const uint32_t* FrameScaler::ScaledRow(const FrameView& frame, int row) {
    for (int slot = 0; slot < 2; ++slot) {
        if (scaledRow_[slot] == row) return scaled_[slot].data();
    }
    // Rows are asked for in rising order: the slot holding the lower row is the one to reuse.
    const int slot = scaledRow_[0] < scaledRow_[1] ? 0 : 1;
    std::vector<uint32_t>& out = scaled_[slot];
    out.resize(static_cast<size_t>(columns_.targetSize));
    sourceRow_.resize(static_cast<size_t>(frame.width));
    ConvertRow(frame, row, sourceRow_.data());
    // The two taps of every target pixel side by side (plain loads), then one blend of the bytes.
    const size_t count = static_cast<size_t>(columns_.targetSize);
    left_.resize(count);
    right_.resize(count);
    const uint32_t* in = sourceRow_.data();
    const int* first = columns_.first.data();
    const int* second = columns_.second.data();
    Gather(in, first, second, left_.data(), right_.data(), count);
    BlendBytes(reinterpret_cast<const uint8_t*>(left_.data()), reinterpret_cast<const uint8_t*>(right_.data()),
               reinterpret_cast<uint8_t*>(out.data()), count * sizeof(uint32_t), columns_.weightBytes.data());
    scaledRow_[slot] = row;
    return out.data();
}

void FrameScaler::DrawFiltered(const FrameView& frame, const PixelTarget& target, const Viewport& viewport) {
    const Span columns = Clip(viewport.x, viewport.width, target.width);
    const Span rows = Clip(viewport.y, viewport.height, target.height);
    if (columns.first >= columns.end || rows.first >= rows.end) return;
    MakeTaps(columns_, frame.width, viewport.width);
    MakeTaps(rows_, frame.height, viewport.height);
    scaledRow_[0] = scaledRow_[1] = -1;
    const int count = columns.end - columns.first;
    for (int y = rows.first; y < rows.end; ++y) {
        const size_t at = static_cast<size_t>(y);
        const uint32_t* upper = ScaledRow(frame, rows_.first[at]) + columns.first;
        const uint32_t* lower = ScaledRow(frame, rows_.second[at]) + columns.first;
        const uint32_t weight = rows_.weight[at];
        uint32_t* out = TargetRow(target, viewport.y + y) + viewport.x + columns.first;
        if (weight == 0) {
            std::memcpy(out, upper, static_cast<size_t>(count) * sizeof(uint32_t));
            continue;
        }
        BlendBytes(reinterpret_cast<const uint8_t*>(upper), reinterpret_cast<const uint8_t*>(lower),
                   reinterpret_cast<uint8_t*>(out), static_cast<size_t>(count) * sizeof(uint32_t), weight);
    }
}

}  // namespace platform
