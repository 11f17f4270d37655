#pragma once

#include <vorbis/vorbisfile.h>

#include <cstddef>
#include <cstdint>

// A whole Ogg Vorbis file held in memory, opened with libvorbisfile through a read callback that
// never reads past its end. It is opened as a stream that cannot seek, so a damaged or truncated
// file still plays up to the damage. The bytes are borrowed: they must outlive every open.
class OggMemorySource final {
public:
    OggMemorySource(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}
    OggMemorySource(const OggMemorySource&) = delete;
    OggMemorySource& operator=(const OggMemorySource&) = delete;

    // Opens `file` from the first byte; false (and `file` needs no ov_clear) on failure.
    bool Open(OggVorbis_File& file);

private:
    static size_t ReadCallback(void* dest, size_t size, size_t count, void* source);

    const uint8_t* bytes_;
    size_t size_;
    size_t position_ = 0;
};
