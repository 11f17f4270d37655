#pragma once

#include <string>

#include "sound/SfxLoader.h"

// RIFF WAVE with PCM samples of 8, 16 or 32 bits, mono or stereo.
//
// Chunks are found by a scan that compares four bytes and steps four at a time, so a chunk is
// found only at a multiple of four bytes from where the scan starts; the scan never reads past
// the file, and a chunk whose size points past the end makes the file unreadable.
class WavLoader final : public SfxLoader {
public:
    bool CanLoad(const std::string& fileName) const override;
    bool Load(const std::string& fileName, SoundData& out) override;
};
