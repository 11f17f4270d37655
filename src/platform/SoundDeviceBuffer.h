#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/SoundBus.h"
#include "platform/SoundDeviceTypes.h"

namespace platform {

class Mixer;

// A secondary sound buffer: PCM samples (8, 16 or 32 bits, mono or stereo) that play once or
// loop, with a play cursor, a write cursor a fixed lead ahead of it, volume and frequency.
//
// Three threads touch a buffer: the main thread (play, stop, volume), the stream refill timer
// (lock, copy, unlock, cursors) and the mixer. One recursive mutex guards samples and state; a
// Lock holds it until the matching Unlock, so the mixer never reads bytes that are being written.
// Lock and Unlock must therefore come from the same thread.
//
// Who moves the play cursor: the mixer, as it consumes samples (a real audio device), or, when
// no device is open, the millisecond clock (TimeGetTime, virtual in headless runs), so that
// playing, looping and streaming refills behave the same without sound.
class SoundDeviceBuffer final {
public:
    ~SoundDeviceBuffer();
    SoundDeviceBuffer(const SoundDeviceBuffer&) = delete;
    SoundDeviceBuffer& operator=(const SoundDeviceBuffer&) = delete;

    uint32_t GetBufferBytes() const { return bufferBytes_; }
    uint32_t GetFlags() const { return flags_; }
    const WaveFormat& GetFormat() const { return format_; }

    // One or two regions: the second one starts at offset 0 when the range passes the end.
    bool Lock(uint32_t offset, uint32_t bytes, void** region1, uint32_t* bytes1, void** region2, uint32_t* bytes2,
              uint32_t lockFlags = 0);
    bool Unlock(void* region1, uint32_t bytes1, void* region2, uint32_t bytes2);

    // Plays from the current position; DSBPLAY_LOOPING loops. Playing again only changes the mode.
    bool Play(uint32_t playFlags);
    // Stops and keeps the position, as a pause.
    bool Stop();
    uint32_t GetStatus();
    bool GetCurrentPosition(uint32_t* playCursor, uint32_t* writeCursor);
    bool SetCurrentPosition(uint32_t offset);

    // Hundredths of a decibel, DSBVOLUME_MIN … DSBVOLUME_MAX; needs DSBCAPS_CTRLVOLUME.
    bool SetVolume(int32_t volume);
    int32_t GetVolume();
    // Samples per second, DSBFREQUENCY_MIN … DSBFREQUENCY_MAX or DSBFREQUENCY_ORIGINAL; needs
    // DSBCAPS_CTRLFREQUENCY.
    bool SetFrequency(uint32_t frequency);
    uint32_t GetFrequency();

    // The mixer's side: adds `frames` stereo frames at `deviceRate`, scaled by the volume and by
    // `busGain`, to `accumulator` and moves the play cursor on. Does nothing unless the buffer plays.
    void MixInto(float* accumulator, int frames, int deviceRate, float busGain = 1.0f);

    // The volume control the buffer answers to besides its own (effects unless said otherwise).
    void SetBus(SoundBus bus) { bus_.store(bus); }
    SoundBus GetBus() const { return bus_.load(); }

    static float GainFromVolume(int32_t volume);
    // The write cursor's lead over the play cursor, as on the device this imitates.
    static constexpr uint32_t kWriteLeadMs = 10;

private:
    friend class SoundDevice;
    SoundDeviceBuffer(const SoundBufferDesc& desc, std::shared_ptr<Mixer> mixer);

    // Clock-driven buffers: brings the play cursor up to the clock.
    void CatchUpWithClock();
    // Starts a new stretch of clock-driven playing from the current position and time.
    void AnchorToClock();
    uint32_t PlayFrame() const;

    using Mutex = std::recursive_mutex;

    const WaveFormat format_;
    const uint32_t flags_;
    const uint32_t frameCount_;
    const uint32_t bufferBytes_;
    std::shared_ptr<Mixer> mixer_;  // null: the clock drives the cursor

    mutable Mutex mutex_;
    std::vector<uint8_t> data_;
    bool playing_ = false;
    bool looping_ = false;
    uint64_t position_ = 0;  // frames in 32.32 fixed point, so resampling keeps its fraction
    int32_t volume_ = DSBVOLUME_MAX;
    float gain_ = 1.0f;
    std::atomic<SoundBus> bus_{SoundBus::Effects};
    uint32_t frequency_;
    uint32_t anchorMs_ = 0;
    uint32_t anchorFrame_ = 0;

    std::atomic<std::thread::id> lockOwner_{};
    int lockDepth_ = 0;  // changed only by the lock owner, under mutex_
};

}  // namespace platform
