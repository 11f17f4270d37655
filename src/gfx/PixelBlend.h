#pragma once

#include <cstdint>

#include "gfx/PixelFormat.h"

// The software pixel loops of alpha sprites and shadows, on rows of a locked surface. They work
// sixteen 16-bit or eight 32-bit pixels at a time without a branch per pixel.
namespace pixelblend {

// Where red, green and blue lie in a display pixel: masks and shifts as the display reports them.
// On 16-bit displays a channel shifted down by its shift holds its five top bits.
struct ChannelLayout {
    uint32_t mask[3] = {0, 0, 0};  // red, green, blue
    int shift[3] = {0, 0, 0};
};

ChannelLayout LayoutOf(const PixelFormat& format);

// Mask byte of a shadow pixel that stays as it is; a shadowed pixel has kShadow.
constexpr int8_t kKeep = -1;
constexpr int8_t kShadow = 0;

// Per channel c: d + (((s − d) × a) >> 8) with a signed product and an arithmetic shift;
// a = 0 keeps the target pixel, a = 255 copies the colour pixel.
void BlendAlphaRow16(uint16_t* dst, const uint16_t* colour, const uint8_t* alpha, int count,
                     const ChannelLayout& layout);
void BlendAlphaRow32(uint32_t* dst, const uint32_t* colour, const uint8_t* alpha, int count,
                     const ChannelLayout& layout);

// The pixel with each channel halved, rounded down, and no bit moved into a neighbouring channel.
uint32_t ShadowMask(const ChannelLayout& layout);

// Pixels whose mask byte is kShadow become (p >> 1) & ShadowMask; kKeep pixels stay.
void ShadowRow16(uint16_t* dst, const int8_t* mask, int count, uint16_t shadowMask);
void ShadowRow32(uint32_t* dst, const int8_t* mask, int count, uint32_t shadowMask);

}  // namespace pixelblend
