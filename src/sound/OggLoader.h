#pragma once

#include <string>

#include "sound/SfxLoader.h"

// Ogg Vorbis, decoded whole into 16-bit signed little-endian PCM.
class OggLoader final : public SfxLoader {
public:
    bool CanLoad(const std::string& fileName) const override;
    bool Load(const std::string& fileName, SoundData& out) override;
};
