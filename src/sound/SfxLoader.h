#pragma once

#include <string>

struct SoundData;

// A decoder of whole sounds, chosen by the file name's extension. Loaders are created from the
// loading-type registry (SfxRegistry) and owned by the SoundEngine.
class SfxLoader {
public:
    virtual ~SfxLoader() = default;
    virtual bool CanLoad(const std::string& fileName) const = 0;
    // Reads the data file `fileName` (a data path) and decodes it into `out`. A file that exists
    // but cannot be decoded is reported on standard error, one line naming it; a missing file
    // is not (the game tries ".wav" before ".ogg").
    virtual bool Load(const std::string& fileName, SoundData& out) = 0;
};
