#pragma once

#include <cstdint>

// The formats, flags and limits of the sound device. The names and values are DirectSound's, so
// that the sound code keeps the vocabulary it was designed with.
namespace platform {

constexpr uint16_t WAVE_FORMAT_PCM = 1;

struct WaveFormat {
    uint16_t formatTag = WAVE_FORMAT_PCM;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

// Buffer capabilities requested at creation.
constexpr uint32_t DSBCAPS_CTRLFREQUENCY = 0x20;
constexpr uint32_t DSBCAPS_CTRLVOLUME = 0x80;

struct SoundBufferDesc {
    uint32_t flags = 0;
    uint32_t bufferBytes = 0;
    WaveFormat format;
};

constexpr uint32_t DSBPLAY_LOOPING = 1;

constexpr uint32_t DSBSTATUS_PLAYING = 1;
constexpr uint32_t DSBSTATUS_LOOPING = 4;

constexpr uint32_t DSBLOCK_ENTIREBUFFER = 2;

// Volume in hundredths of a decibel; the minimum is silence.
constexpr int32_t DSBVOLUME_MIN = -10000;
constexpr int32_t DSBVOLUME_MAX = 0;

// 0 restores the buffer's own sample rate.
constexpr uint32_t DSBFREQUENCY_ORIGINAL = 0;
constexpr uint32_t DSBFREQUENCY_MIN = 100;
constexpr uint32_t DSBFREQUENCY_MAX = 200000;

}  // namespace platform
