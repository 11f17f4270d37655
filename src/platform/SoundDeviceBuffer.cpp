#include "platform/SoundDeviceBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/Clock.h"
#include "platform/Mixer.h"

namespace platform {
namespace {

constexpr uint64_t kFixedOne = uint64_t{1} << 32;
constexpr float kFractionScale = 1.0f / 4294967296.0f;

// Every sample is brought to the 16-bit scale the mixer sums in.
template <int Bits>
float SampleAt(const uint8_t* p) {
    if constexpr (Bits == 8) {
        return (static_cast<float>(p[0]) - 128.0f) * 256.0f;  // 8-bit WAVE samples are unsigned
    } else if constexpr (Bits == 16) {
        int16_t v;
        std::memcpy(&v, p, sizeof v);
        return static_cast<float>(v);
    } else {
        int32_t v;
        std::memcpy(&v, p, sizeof v);
        return static_cast<float>(v) * (1.0f / 65536.0f);
    }
}

// Linear interpolation between neighbouring frames; the neighbour of the last frame is the first
// one when looping, else the last frame itself (no click at the end of a one-shot).
// Returns false when a one-shot buffer reached its end.
template <int Bits, int Channels>
bool MixFrames(const uint8_t* data, uint32_t frameCount, bool looping, uint64_t& position, uint64_t step, float gain,
               float* accumulator, int frames) {
    constexpr int kSampleBytes = Bits / 8;
    constexpr int kFrameBytes = kSampleBytes * Channels;
    const uint64_t end = uint64_t{frameCount} << 32;
    for (int i = 0; i < frames; ++i) {
        const uint32_t index = static_cast<uint32_t>(position >> 32);
        uint32_t next = index + 1;
        if (next >= frameCount) next = looping ? 0 : index;
        const float fraction = static_cast<float>(position & (kFixedOne - 1)) * kFractionScale;
        const uint8_t* a = data + size_t{index} * kFrameBytes;
        const uint8_t* b = data + size_t{next} * kFrameBytes;
        const float left0 = SampleAt<Bits>(a);
        const float left = left0 + (SampleAt<Bits>(b) - left0) * fraction;
        float right = left;
        if constexpr (Channels == 2) {
            const float right0 = SampleAt<Bits>(a + kSampleBytes);
            right = right0 + (SampleAt<Bits>(b + kSampleBytes) - right0) * fraction;
        }
        accumulator[2 * i] += left * gain;
        accumulator[2 * i + 1] += right * gain;
        position += step;
        if (position >= end) {
            if (!looping) {
                position = 0;
                return false;
            }
            position %= end;
        }
    }
    return true;
}

using MixFunction = bool (*)(const uint8_t*, uint32_t, bool, uint64_t&, uint64_t, float, float*, int);

struct MixEntry {
    int bits;
    int channels;
    MixFunction mix;
};

constexpr MixEntry kMixers[] = {
    {8, 1, MixFrames<8, 1>},   {8, 2, MixFrames<8, 2>},   {16, 1, MixFrames<16, 1>},
    {16, 2, MixFrames<16, 2>}, {32, 1, MixFrames<32, 1>}, {32, 2, MixFrames<32, 2>},
};

MixFunction FindMixer(int bits, int channels) {
    for (const MixEntry& entry : kMixers) {
        if (entry.bits == bits && entry.channels == channels) return entry.mix;
    }
    return nullptr;
}

}  // namespace

SoundDeviceBuffer::SoundDeviceBuffer(const SoundBufferDesc& desc, std::shared_ptr<Mixer> mixer)
    : format_(desc.format),
      flags_(desc.flags),
      frameCount_(desc.bufferBytes / desc.format.blockAlign),
      bufferBytes_(frameCount_ * desc.format.blockAlign),
      mixer_(std::move(mixer)),
      data_(bufferBytes_, 0),
      frequency_(desc.format.samplesPerSec) {
    if (mixer_) mixer_->Add(this);
}

SoundDeviceBuffer::~SoundDeviceBuffer() {
    // Once Remove returns, the mixer thread no longer holds a pointer to this buffer.
    if (mixer_) mixer_->Remove(this);
}

float SoundDeviceBuffer::GainFromVolume(int32_t volume) {
    if (volume <= DSBVOLUME_MIN) return 0.0f;  // the minimum is silence, not merely -100 dB
    return static_cast<float>(std::pow(10.0, static_cast<double>(volume) / 2000.0));
}

bool SoundDeviceBuffer::Lock(uint32_t offset, uint32_t bytes, void** region1, uint32_t* bytes1, void** region2,
                             uint32_t* bytes2, uint32_t lockFlags) {
    if (lockFlags & DSBLOCK_ENTIREBUFFER) {
        offset = 0;
        bytes = bufferBytes_;
    }
    if (!region1 || !bytes1 || offset >= bufferBytes_ || bytes == 0 || bytes > bufferBytes_) return false;
    mutex_.lock();
    lockOwner_ = std::this_thread::get_id();
    ++lockDepth_;
    const uint32_t first = std::min(bytes, bufferBytes_ - offset);
    *region1 = data_.data() + offset;
    *bytes1 = first;
    if (region2 && bytes2) {
        *region2 = first < bytes ? data_.data() : nullptr;
        *bytes2 = bytes - first;
    }
    return true;
}

bool SoundDeviceBuffer::Unlock(void* region1, uint32_t bytes1, void* region2, uint32_t bytes2) {
    if (lockOwner_.load() != std::this_thread::get_id() || lockDepth_ == 0) return false;
    const auto inside = [this](void* region, uint32_t bytes) {
        if (!region) return bytes == 0;
        const uint8_t* p = static_cast<const uint8_t*>(region);
        return p >= data_.data() && p + bytes <= data_.data() + data_.size();
    };
    const bool valid = inside(region1, bytes1) && inside(region2, bytes2);
    // Released even for bad arguments: a buffer left locked would stall the mixer for good.
    if (--lockDepth_ == 0) lockOwner_ = std::thread::id{};
    mutex_.unlock();
    return valid;
}

bool SoundDeviceBuffer::Play(uint32_t playFlags) {
    std::lock_guard lock(mutex_);
    CatchUpWithClock();
    looping_ = (playFlags & DSBPLAY_LOOPING) != 0;
    if (!playing_) {
        playing_ = true;
        AnchorToClock();
    }
    return true;
}

bool SoundDeviceBuffer::Stop() {
    std::lock_guard lock(mutex_);
    CatchUpWithClock();
    playing_ = false;
    return true;
}

uint32_t SoundDeviceBuffer::GetStatus() {
    std::lock_guard lock(mutex_);
    CatchUpWithClock();
    if (!playing_) return 0;
    return DSBSTATUS_PLAYING | (looping_ ? DSBSTATUS_LOOPING : 0);
}

bool SoundDeviceBuffer::GetCurrentPosition(uint32_t* playCursor, uint32_t* writeCursor) {
    std::lock_guard lock(mutex_);
    CatchUpWithClock();
    const uint32_t play = PlayFrame() * format_.blockAlign;
    uint32_t write = play;
    if (playing_) {
        const uint32_t leadFrames = std::max<uint32_t>(1, frequency_ * kWriteLeadMs / 1000);
        write = static_cast<uint32_t>((uint64_t{play} + uint64_t{leadFrames} * format_.blockAlign) % bufferBytes_);
    }
    if (playCursor) *playCursor = play;
    if (writeCursor) *writeCursor = write;
    return true;
}

bool SoundDeviceBuffer::SetCurrentPosition(uint32_t offset) {
    if (offset >= bufferBytes_) return false;
    std::lock_guard lock(mutex_);
    position_ = uint64_t{offset / format_.blockAlign} << 32;
    AnchorToClock();
    return true;
}

bool SoundDeviceBuffer::SetVolume(int32_t volume) {
    if (!(flags_ & DSBCAPS_CTRLVOLUME) || volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX) return false;
    std::lock_guard lock(mutex_);
    volume_ = volume;
    gain_ = GainFromVolume(volume);
    return true;
}

int32_t SoundDeviceBuffer::GetVolume() {
    std::lock_guard lock(mutex_);
    return volume_;
}

bool SoundDeviceBuffer::SetFrequency(uint32_t frequency) {
    if (!(flags_ & DSBCAPS_CTRLFREQUENCY)) return false;
    if (frequency == DSBFREQUENCY_ORIGINAL) frequency = format_.samplesPerSec;
    if (frequency < DSBFREQUENCY_MIN || frequency > DSBFREQUENCY_MAX) return false;
    std::lock_guard lock(mutex_);
    CatchUpWithClock();
    frequency_ = frequency;
    AnchorToClock();
    return true;
}

uint32_t SoundDeviceBuffer::GetFrequency() {
    std::lock_guard lock(mutex_);
    return frequency_;
}

void SoundDeviceBuffer::MixInto(float* accumulator, int frames, int deviceRate, float busGain) {
    std::lock_guard lock(mutex_);
    if (!playing_ || frames <= 0 || deviceRate <= 0) return;
    const MixFunction mix = FindMixer(format_.bitsPerSample, format_.channels);
    if (!mix) return;
    const uint64_t step = (uint64_t{frequency_} << 32) / static_cast<uint64_t>(deviceRate);
    if (!mix(data_.data(), frameCount_, looping_, position_, step, gain_ * busGain, accumulator, frames)) {
        playing_ = false;
    }
}

void SoundDeviceBuffer::CatchUpWithClock() {
    if (mixer_ || !playing_) return;
    // Always measured from the anchor, so rounding never accumulates over many queries.
    const uint32_t elapsedMs = TimeGetTime() - anchorMs_;
    const uint64_t frame = anchorFrame_ + uint64_t{elapsedMs} * frequency_ / 1000;
    if (frame < frameCount_) {
        position_ = frame << 32;
    } else if (looping_) {
        position_ = (frame % frameCount_) << 32;
    } else {
        playing_ = false;
        position_ = 0;
    }
}

void SoundDeviceBuffer::AnchorToClock() {
    anchorMs_ = TimeGetTime();
    anchorFrame_ = PlayFrame();
}

uint32_t SoundDeviceBuffer::PlayFrame() const { return static_cast<uint32_t>(position_ >> 32); }

}  // namespace platform
