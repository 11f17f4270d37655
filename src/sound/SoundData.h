#pragma once

#include <cstdint>
#include <vector>

// Decoded PCM as a loader hands it to the engine: interleaved little-endian samples, 8-bit
// unsigned or 16/32-bit signed.
struct SoundData {
    int rate = 0;      // samples per second
    int bits = 0;      // 8, 16 or 32
    int channels = 0;  // 1 or 2
    int samples = 0;   // sample frames
    std::vector<uint8_t> data;

    int FrameBytes() const { return channels * bits / 8; }
    int Size() const { return static_cast<int>(data.size()); }
};
