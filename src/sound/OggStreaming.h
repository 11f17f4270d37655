#pragma once

#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sound/OggMemorySource.h"
#include "sound/SfxStreaming.h"

// Ogg Vorbis decoded a piece at a time from the whole file held in memory. At the end of the
// stream it opens the same bytes again, so the sound loops for ever; a file that stops decoding
// (a read that fails) or cannot be opened again leaves the decoder closed, says so once on
// standard error, and every later Read returns 0.
class OggStreaming final : public SfxStreaming {
public:
    OggStreaming() = default;
    ~OggStreaming() override;

    bool CanOpen(const std::string& fileName) const override;
    bool Open(const std::string& fileName, SoundData& format) override;
    void Close() override;
    int Read(void* dest, int bytes) override;

private:
    std::string fileName_;
    std::vector<uint8_t> fileData_;
    std::unique_ptr<OggMemorySource> source_;
    OggVorbis_File file_{};
    bool open_ = false;  // file_ holds an open stream and needs ov_clear
};
