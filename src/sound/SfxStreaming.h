#pragma once

#include <string>

struct SoundData;

// A decoder that delivers a long sound bit by bit, for StreamingSoundFx. Created from the
// streaming-type registry (SfxRegistry); owned by the sound that streams it.
//
// Read runs on the refill timer's thread; every other call on the main thread, never while the
// sound's timer runs.
class SfxStreaming {
public:
    virtual ~SfxStreaming() = default;
    virtual bool CanOpen(const std::string& fileName) const = 0;
    // Fills rate, bits and channels of `format`; the other fields stay 0.
    virtual bool Open(const std::string& fileName, SoundData& format) = 0;
    virtual void Close() = 0;
    // Up to `bytes` bytes of PCM into `dest`; 0 at the end of a pass (the next Read starts the
    // sound again from its beginning) or when nothing can be decoded.
    virtual int Read(void* dest, int bytes) = 0;
};
