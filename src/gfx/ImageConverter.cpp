#include "gfx/ImageConverter.h"

#include <algorithm>
#include <cstring>

#include "gfx/BgrBlock.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/PixelFormat.h"
#include "gfx/VectorClones.h"
#include "platform/Messages.h"

namespace {

constexpr uint32_t kDitherSeed = 12345;
constexpr uint32_t kDitherOdd = 371945;
constexpr uint32_t kDitherEven = 94325;
constexpr int kDroppedBits = 3;
constexpr int kDroppedMask = 7;  // the three bits a 5-bit channel drops
constexpr int kErrorCarry = 8;
constexpr int kFiveBitMax = 31;

uint32_t& DitherState() {
    static uint32_t state = kDitherSeed;
    return state;
}

uint32_t Pack16(const PixelFormat& f, uint32_t red5, uint32_t green5, uint32_t blue5) {
    return (red5 << f.redShift & f.redMask) | (green5 << f.greenShift & f.greenMask) |
           (blue5 << f.blueShift & f.blueMask);
}

void Store16(uint8_t* p, uint32_t value) {
    const uint16_t v = static_cast<uint16_t>(value);
    std::memcpy(p, &v, sizeof v);
}

std::unique_ptr<Image> Refuse(std::unique_ptr<Image> image, const char* text) {
    platform::ShowErrorMessage(text);
    return image;
}

std::unique_ptr<Image> PaletteTo16(const Image& source, const PixelFormat& f) {
    auto out = std::make_unique<Image>();
    if (!out->Create(source.GetWidth(), source.GetHeight(), 16)) return nullptr;
    uint16_t table[Image::kPaletteEntries] = {};
    if (const uint8_t* palette = source.GetPalette()) {
        for (int i = 0; i < Image::kPaletteEntries; ++i) {
            const uint8_t* e = palette + i * 4;
            table[i] =
                static_cast<uint16_t>(Pack16(f, e[2] >> kDroppedBits, e[1] >> kDroppedBits, e[0] >> kDroppedBits));
        }
    }
    const size_t count = static_cast<size_t>(source.GetWidth()) * source.GetHeight();
    const uint8_t* in = source.GetPixels();
    uint8_t* to = out->GetPixels();
    for (size_t i = 0; i < count; ++i) Store16(to + i * 2, table[in[i]]);
    return out;
}

// One channel of the dithered conversion: the dropped low bits accumulate in `error`, and each
// time they make up a whole step the value is rounded up.
inline uint32_t DitherChannel(uint32_t v, uint32_t& error) {
    uint32_t value = v >> kDroppedBits;
    error += v & kDroppedMask;
    if (error > kDroppedMask) {
        value = std::min<uint32_t>(value + 1, kFiveBitMax);
        error -= kErrorCarry;
    }
    return value;
}

// RGB565, the game's display: red at 11, green's five bits at 6 (its lowest bit stays 0, as Pack16
// leaves it), blue at 0.
constexpr int kRed565 = 11;
constexpr int kGreen565 = 6;
constexpr uint32_t kPastTop = 5;  // the bit a sixth 5-bit step would set

// DitherChannel without a branch: the error (0 … 7) plus the dropped bits (0 … 7) carries at most
// one step, and a channel at 31 plus that step stays 31.
inline uint32_t Dither565(uint32_t v, uint32_t& error) {
    const uint32_t sum = error + (v & kDroppedMask);
    error = sum & kDroppedMask;
    const uint32_t value = (v >> kDroppedBits) + (sum >> kDroppedBits);
    return value - (value >> kPastTop);
}

// Sixteen pixels at a time. Along a row the error of a channel is the running sum of the dropped
// bits modulo 8, and a pixel rounds up where that sum passes a multiple of 8; so a block is one
// running sum over its lanes (which stays below 8 + 16 × 7 and fits a byte) instead of sixteen
// dependent steps.
constexpr int kBlockPixels = bgrblock::kPixels;
using Bytes16 = bgrblock::Lanes;
using U16x16 = uint16_t __attribute__((vector_size(2 * kBlockPixels)));
// One channel of a block dithered into `out`; `error` comes in as the error before the block and
// goes out as the error after it. Vectors travel by reference: by value they would tie the
// baseline build to the AVX calling convention.
[[gnu::always_inline]] inline void DitherLanes(const Bytes16& v, uint32_t& error, U16x16& out) {
    const Bytes16 zero = {};
    const Bytes16 low = v & static_cast<uint8_t>(kDroppedMask);
    Bytes16 sum = low;
    // Lanes moved up by 1, 2, 4 and 8, zeros coming in below (lane 16 is the zero vector's).
    using bgrblock::Pick;
    sum += Pick<16, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14>(sum, zero);
    sum += Pick<16, 16, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13>(sum, zero);
    sum += Pick<16, 16, 16, 16, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11>(sum, zero);
    sum += Pick<16, 16, 16, 16, 16, 16, 16, 16, 0, 1, 2, 3, 4, 5, 6, 7>(sum, zero);
    const Bytes16 start = zero + static_cast<uint8_t>(error);
    sum += start;  // the error after each lane, plus 8 per step
    // The same before each lane: moved up by one, the starting error below.
    const Bytes16 before = Pick<16, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14>(sum, start);
    const Bytes16 steps = (sum >> kDroppedBits) - (before >> kDroppedBits);
    Bytes16 value = (v >> kDroppedBits) + steps;
    value -= value >> kPastTop;
    error = sum[kBlockPixels - 1] & kDroppedMask;
    out = __builtin_convertvector(value, U16x16);
}

std::unique_ptr<Image> To32(const Image& source, const PixelFormat& f) {
    auto out = std::make_unique<Image>();
    if (!out->Create(source.GetWidth(), source.GetHeight(), 32)) return nullptr;
    const size_t count = static_cast<size_t>(source.GetWidth()) * source.GetHeight();
    const uint8_t* in = source.GetPixels();
    uint8_t* to = out->GetPixels();
    const uint8_t* palette = source.GetPalette();
    for (size_t i = 0; i < count; ++i, to += 4) {
        uint8_t blue = 0, green = 0, red = 0;
        if (source.GetBitsPerPixel() == 8) {
            if (palette) {
                const uint8_t* e = palette + in[i] * 4;
                blue = e[0];
                green = e[1];
                red = e[2];
            }
        } else {
            blue = in[i * 3];
            green = in[i * 3 + 1];
            red = in[i * 3 + 2];
        }
        to[f.redByte] = red;
        to[f.greenByte] = green;
        to[f.blueByte] = blue;
        to[f.spareByte] = 0;
    }
    return out;
}

}  // namespace

void ImageConverter::DitherRow(const uint8_t* bgr, uint8_t* out, int width, const PixelFormat& f, DitherError& error) {
    for (int x = 0; x < width; ++x, bgr += 3, out += 2) {
        const uint32_t red = DitherChannel(bgr[2], error.red);
        const uint32_t green = DitherChannel(bgr[1], error.green);
        const uint32_t blue = DitherChannel(bgr[0], error.blue);
        Store16(out, Pack16(f, red, green, blue));
    }
}

RJ_VECTOR_CLONES
void ImageConverter::DitherRow565(const uint8_t* bgr, uint8_t* out, int width, DitherError& error) {
    uint32_t errorRed = error.red;
    uint32_t errorGreen = error.green;
    uint32_t errorBlue = error.blue;
    int x = 0;
    for (; x + kBlockPixels <= width; x += kBlockPixels, bgr += bgrblock::kBytes, out += 2 * kBlockPixels) {
        bgrblock::Planes in;
        bgrblock::Load(bgr, in);
        U16x16 red, green, blue;
        DitherLanes(in.red, errorRed, red);
        DitherLanes(in.green, errorGreen, green);
        DitherLanes(in.blue, errorBlue, blue);
        const U16x16 packed = red << kRed565 | green << kGreen565 | blue;
        std::memcpy(out, &packed, sizeof packed);
    }
    for (; x < width; ++x, bgr += 3, out += 2) {
        const uint32_t red = Dither565(bgr[2], errorRed);
        const uint32_t green = Dither565(bgr[1], errorGreen);
        const uint32_t blue = Dither565(bgr[0], errorBlue);
        Store16(out, red << kRed565 | green << kGreen565 | blue);
    }
    error = DitherError{errorRed, errorGreen, errorBlue};
}

namespace {

// After the row functions: a function built for several instruction sets must be defined
// before its first use.
std::unique_ptr<Image> DitherTo16(const Image& source, const PixelFormat& f) {
    auto out = std::make_unique<Image>();
    if (!out->Create(source.GetWidth(), source.GetHeight(), 16)) return nullptr;
    const bool rgb565 = f == PixelFormat::Rgb565();
    for (int y = 0; y < source.GetHeight(); ++y) {
        ImageConverter::DitherError error;
        error.red = ImageConverter::DitherRandom() & kDroppedMask;
        error.green = ImageConverter::DitherRandom() & kDroppedMask;
        error.blue = ImageConverter::DitherRandom() & kDroppedMask;
        const uint8_t* in = source.PixelAddress(0, y);
        uint8_t* to = out->PixelAddress(0, y);
        if (rgb565) {
            ImageConverter::DitherRow565(in, to, source.GetWidth(), error);
        } else {
            ImageConverter::DitherRow(in, to, source.GetWidth(), f, error);
        }
    }
    return out;
}

}  // namespace

uint32_t ImageConverter::DitherRandom() {
    uint32_t& state = DitherState();
    state = (state & 1) * kDitherOdd - (state >> 1) * kDitherEven;
    return state;
}

std::unique_ptr<Image> ImageConverter::ConvertTo16Bit(std::unique_ptr<Image> image) {
    return ConvertTo16Bit(std::move(image), DirectDraw::Instance().GetPixelFormat());
}

std::unique_ptr<Image> ImageConverter::ConvertTo16Bit(std::unique_ptr<Image> image, const PixelFormat& format) {
    if (!image) return image;
    static constexpr const char* kIllegalSource = "ImageConverter::ConvertTo16Bit: illegal source image";
    const int depth = image->GetBitsPerPixel();
    std::unique_ptr<Image> converted;
    if (format.bitsPerPixel == 16) {
        if (depth == 16) return image;
        if (depth == 8) {
            converted = PaletteTo16(*image, format);
        } else if (depth == 24) {
            converted = DitherTo16(*image, format);
        } else {
            return Refuse(std::move(image), kIllegalSource);
        }
    } else if (format.bitsPerPixel == 32) {
        if (depth == 32) return image;
        if (depth != 8 && depth != 24) return Refuse(std::move(image), kIllegalSource);
        converted = To32(*image, format);
    } else {
        return Refuse(std::move(image), "not supported screen depth");
    }
    // Out of memory for the copy: the picture stays as it was rather than vanishing.
    return converted ? std::move(converted) : std::move(image);
}

std::unique_ptr<Image> ImageConverter::ConvertTo8BitAlpha(std::unique_ptr<Image> image) {
    if (!image) return image;
    const int depth = image->GetBitsPerPixel();
    if (depth != 8 && depth != 24) {
        return Refuse(std::move(image), "ImageConverter::ConvertTo8BitAlpha: illegal source image");
    }
    auto out = std::make_unique<Image>();
    if (!out->Create(image->GetWidth(), image->GetHeight(), 8)) return image;
    const size_t count = static_cast<size_t>(image->GetWidth()) * image->GetHeight();
    const uint8_t* in = image->GetPixels();
    const uint8_t* palette = image->GetPalette();
    uint8_t* to = out->GetPixels();
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* bgr = depth == 24 ? in + i * 3 : (palette ? palette + in[i] * 4 : nullptr);
        to[i] = bgr ? static_cast<uint8_t>((bgr[0] + bgr[1] + bgr[2]) / 3) : 0;
    }
    return out;
}
