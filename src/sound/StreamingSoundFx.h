#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/MultimediaTimer.h"
#include "sound/SoundFx.h"

class SfxStreaming;

// A long sound (music, ambience) played from a two-second looping buffer that a periodic timer
// keeps filling ahead of the play cursor, every 100 ms on the timer's thread.
//
// Threads: everything but Refill runs on the main thread. Refill reads the buffer, the decoder,
// bufferBytes_ and writePos_; PlayLooped sets them before the timer starts, and Stop and the
// destructor kill the timer first — the kill waits for a refill that is running — so the main
// thread never changes or frees them under a refill. `busy_` keeps two refills of one stream
// apart.
class StreamingSoundFx final : public SoundFx {
public:
    static constexpr uint32_t kRefillPeriodMs = 100;
    // Bytes kept between the start of streaming and the first decoded bytes.
    static constexpr uint32_t kStartGapBytes = 30000;
    static constexpr int64_t kMaxRefillBytes = 40000;
    static constexpr int kScratchBytes = 4096;

    StreamingSoundFx(std::string name, std::string fileName, std::unique_ptr<SfxStreaming> decoder,
                     std::unique_ptr<platform::SoundDeviceBuffer> buffer);
    ~StreamingSoundFx() override;

    // Streams only through PlayLooped.
    void Play() override {}
    // Ends streaming; the decoder keeps its place, so a later PlayLooped goes on from there.
    void Stop() override;
    // Starts streaming; a stream that already streams is left alone.
    void PlayLooped() override;
    // True while the stream streams.
    bool IsPlaying() override { return timerActive_; }

    platform::TimerId GetTimerId() const { return timerId_; }
    uint32_t GetWritePosition() const { return writePos_; }

    // One refill: decodes into the buffer up to a quarter of the buffer short of the play cursor,
    // at most kMaxRefillBytes (plus one partial read). A decoder that has nothing twice in a row
    // is broken: the room is filled with silence instead of leaving old sound to loop. While the
    // engine is unheard, the write position moves over the room and nothing is decoded.
    void Refill();

private:
    void KillTimer();
    void WriteToBuffer(const uint8_t* bytes, uint32_t count);

    std::unique_ptr<SfxStreaming> decoder_;
    uint32_t bufferBytes_ = 0;
    std::atomic<int> busy_{0};
    platform::TimerId timerId_ = 0;
    bool timerActive_ = false;
    uint32_t writePos_ = 0;
    // Per stream rather than shared: timers may run on threads of their own.
    std::array<uint8_t, kScratchBytes> scratch_{};
};
