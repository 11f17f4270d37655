#include "sound/StreamingSoundFx.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/SoundDeviceTypes.h"
#include "sound/SfxStreaming.h"
#include "sound/SoundEngine.h"

StreamingSoundFx::StreamingSoundFx(std::string name, std::string fileName, std::unique_ptr<SfxStreaming> decoder,
                                   std::unique_ptr<platform::SoundDeviceBuffer> buffer)
    : SoundFx(std::move(name), std::move(fileName), std::move(buffer)), decoder_(std::move(decoder)) {}

StreamingSoundFx::~StreamingSoundFx() {
    KillTimer();
    if (buffer_) {
        buffer_->Stop();
        buffer_.reset();
    }
    decoder_.reset();
}

void StreamingSoundFx::KillTimer() {
    if (!timerActive_) return;
    platform::TimeKillEvent(timerId_);  // returns after a refill that is running has finished
    platform::TimeEndPeriod(kRefillPeriodMs);
    timerActive_ = false;
}

void StreamingSoundFx::Stop() {
    KillTimer();
    if (buffer_ && (buffer_->GetStatus() & platform::DSBSTATUS_PLAYING)) buffer_->Stop();
}

void StreamingSoundFx::PlayLooped() {
    if (!SoundEngine::Instance().IsEnabled() || timerActive_ || !buffer_ || !decoder_) return;
    bufferBytes_ = buffer_->GetBufferBytes();
    buffer_->Play(platform::DSBPLAY_LOOPING);  // silent until the first refill
    uint32_t playCursor = 0;
    uint32_t writeCursor = 0;
    buffer_->GetCurrentPosition(&playCursor, &writeCursor);
    writePos_ = (writeCursor + kStartGapBytes) % bufferBytes_;
    writePos_ -= writePos_ % buffer_->GetFormat().blockAlign;
    if (!platform::TimeBeginPeriod(kRefillPeriodMs)) return;
    busy_ = 0;
    timerId_ = platform::TimeSetEvent(kRefillPeriodMs, [this](platform::TimerId) { Refill(); });
    timerActive_ = timerId_ != 0;
    if (!timerActive_) platform::TimeEndPeriod(kRefillPeriodMs);
}

void StreamingSoundFx::WriteToBuffer(const uint8_t* bytes, uint32_t count) {
    void* region1 = nullptr;
    void* region2 = nullptr;
    uint32_t bytes1 = 0;
    uint32_t bytes2 = 0;
    if (!buffer_->Lock(writePos_, count, &region1, &bytes1, &region2, &bytes2)) return;
    if (bytes) {
        std::memcpy(region1, bytes, bytes1);
        if (region2) std::memcpy(region2, bytes + bytes1, bytes2);
    } else {
        const int silence = buffer_->GetFormat().bitsPerSample == 8 ? 0x80 : 0;
        std::memset(region1, silence, bytes1);
        if (region2) std::memset(region2, silence, bytes2);
    }
    buffer_->Unlock(region1, bytes1, region2, bytes2);
    writePos_ = (writePos_ + count) % bufferBytes_;
}

void StreamingSoundFx::Refill() {
    if (busy_.exchange(1) == 1) return;
    uint32_t playCursor = 0;
    buffer_->GetCurrentPosition(&playCursor, nullptr);
    int64_t room = static_cast<int64_t>(playCursor) - writePos_;
    if (room < 0) room += bufferBytes_;
    room -= bufferBytes_ / 4;  // a quarter of the buffer stays between writer and play cursor
    room = std::min(room, kMaxRefillBytes);
    if (room > 0 && SoundEngine::Instance().IsUnheard()) {
        // Nothing reads the samples: the writer keeps its distance to the play cursor as decoding
        // would, and the decoder stays where it is.
        const auto skipped = static_cast<uint32_t>(room - room % buffer_->GetFormat().blockAlign);
        writePos_ = (writePos_ + skipped) % bufferBytes_;
        busy_.exchange(0);
        return;
    }
    const int readBytes = static_cast<int>(std::min<uint32_t>(kScratchBytes, bufferBytes_));
    int emptyReads = 0;
    while (room > 0) {
        const int got = decoder_->Read(scratch_.data(), readBytes);
        if (got <= 0) {
            // One empty read ends a pass and the next starts the sound again; two mean the
            // decoder cannot go on.
            if (++emptyReads < 2) continue;
            const auto silence = static_cast<uint32_t>(room - room % buffer_->GetFormat().blockAlign);
            if (silence > 0) WriteToBuffer(nullptr, silence);
            break;
        }
        emptyReads = 0;
        WriteToBuffer(scratch_.data(), static_cast<uint32_t>(got));
        room -= got;
    }
    busy_.exchange(0);
}
