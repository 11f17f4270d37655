#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The run-length format of large pictures: packets without header or end marker, pixels in the
// display format taken in row order from the top-left pixel, runs crossing row ends. A packet is
// one signed byte c and its data: c in −127 … −1 is a literal run of −c pixels that follow;
// c in 1 … 127 is one pixel that stands for c pixels.
namespace runlength {

constexpr int kMaxPacket = 127;
// A run is only worth a repeat packet from this many equal pixels on.
constexpr int kMinRun = 4;

// Encodes `count` pixels of `bytesPerPixel` bytes. A run starts where kMinRun consecutive pixels
// have equal colour under `colourMask` (the bits that carry red, green and blue); it goes on while
// the following pixels are equal byte for byte.
std::vector<uint8_t> Encode(const uint8_t* pixels, int count, int bytesPerPixel, uint32_t colourMask);

// Decodes one frame of width × height pixels into rows `pitch` bytes apart. Returns false when the
// stream is malformed or ends early; the pixels it did not produce are then black, so a broken
// frame never shows stale memory.
bool Decode(const uint8_t* stream, size_t size, int width, int height, int bytesPerPixel, uint8_t* dst, int pitch);

}  // namespace runlength
