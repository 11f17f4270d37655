// The software mixer's cost: 16 playing voices (effects at 22050 Hz mono and streams at 44100 Hz
// stereo, all resampled and volume-scaled) mixed for 60 seconds of audio; the figure is the share
// of one core the audio callback would take, next to a plain copy of the same output for scale.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/Mixer.h"
#include "platform/SoundDevice.h"
#include "platform/SoundDeviceBuffer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kVoices = 16;
constexpr int kAudioSeconds = 60;
constexpr int kCallbackFrames = 1024;

std::unique_ptr<platform::SoundDeviceBuffer> MakeVoice(platform::SoundDevice& device, int index) {
    const bool stream = index % 4 == 0;
    platform::SoundBufferDesc desc;
    desc.flags = platform::DSBCAPS_CTRLVOLUME | platform::DSBCAPS_CTRLFREQUENCY;
    desc.format.channels = stream ? 2 : 1;
    desc.format.samplesPerSec = stream ? 44100 : 22050;
    desc.format.bitsPerSample = 16;
    desc.format.blockAlign = static_cast<uint16_t>(desc.format.channels * 2);
    desc.format.avgBytesPerSec = desc.format.samplesPerSec * desc.format.blockAlign;
    desc.bufferBytes = desc.format.samplesPerSec * desc.format.blockAlign;  // one second
    auto buffer = device.CreateSoundBuffer(desc);
    void* p = nullptr;
    uint32_t n = 0;
    buffer->Lock(0, 0, &p, &n, nullptr, nullptr, platform::DSBLOCK_ENTIREBUFFER);
    auto* samples = static_cast<int16_t*>(p);
    for (uint32_t i = 0; i < n / 2; ++i) {
        samples[i] = static_cast<int16_t>(8000.0 * std::sin(0.01 * (index + 1) * static_cast<double>(i)));
    }
    buffer->Unlock(p, n, nullptr, 0);
    buffer->SetVolume(-100 * index);
    buffer->Play(platform::DSBPLAY_LOOPING);
    return buffer;
}

}  // namespace

int main() {
    platform::SoundDevice device;
    device.Open(platform::SoundOutput::Manual);
    std::vector<std::unique_ptr<platform::SoundDeviceBuffer>> voices;
    for (int i = 0; i < kVoices; ++i) voices.push_back(MakeVoice(device, i));
    platform::Mixer* mixer = device.GetManualMixer();

    std::vector<int16_t> out(kCallbackFrames * platform::Mixer::kChannels);
    std::vector<int16_t> copy(out.size());
    const int callbacks = kAudioSeconds * platform::Mixer::kRate / kCallbackFrames;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < callbacks; ++i) mixer->Mix(out.data(), kCallbackFrames);
    const double mixSeconds = std::chrono::duration<double>(Clock::now() - start).count();

    const Clock::time_point copyStart = Clock::now();
    for (int i = 0; i < callbacks; ++i) {
        std::memcpy(copy.data(), out.data(), out.size() * sizeof(int16_t));
        out[static_cast<size_t>(i) % out.size()] ^= copy[0];  // keeps the copies from being dropped
    }
    const double copySeconds = std::chrono::duration<double>(Clock::now() - copyStart).count();

    const double audioSeconds = static_cast<double>(callbacks) * kCallbackFrames / platform::Mixer::kRate;
    std::printf("mixer_16_voices_core_share %.4f (%.2f %% of one core; %.3f s for %.1f s of audio)\n",
                mixSeconds / audioSeconds, 100.0 * mixSeconds / audioSeconds, mixSeconds, audioSeconds);
    std::printf("mixer_16_voices_over_output_copy %.1f\n", mixSeconds / copySeconds);
    return 0;
}
