#include "platform/SoundDevice.h"

#include <SDL.h>
#include <dlfcn.h>

#include <atomic>
#include <cstdio>

#include "platform/Mixer.h"
#include "platform/SoundDeviceBuffer.h"

namespace platform {
namespace {

// A quarter of a buffer at 44100 Hz is 23 ms: short enough for effects to start on the frame.
constexpr Uint16 kCallbackFrames = 1024;

std::atomic<bool> g_fallbackReported{false};

void ReportFallbackOnce(const char* reason) {
    if (g_fallbackReported.exchange(true)) return;
    std::fprintf(stderr, "Sound: no audio device (%s); playing silently.\n", reason);
}

// alsa-lib prints its own errors to standard error, a dozen lines on a machine without a sound
// card, every time a device is tried. SDL reports the failure to us anyway, so they are dropped.
extern "C" void SilentAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

void SilenceAlsaOnce() {
    static const bool silenced = [] {
        // The same library SDL loads; it stays loaded, so the handler stays in place.
        void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
        if (!alsa) return false;
        using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetHandler = int (*)(ErrorHandler);
        auto* set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
        return set && set(SilentAlsaErrors) == 0;
    }();
    (void)silenced;
}

void SDLCALL AudioCallback(void* userData, Uint8* stream, int length) {
    const int frames = length / static_cast<int>(sizeof(int16_t) * Mixer::kChannels);
    static_cast<Mixer*>(userData)->Mix(reinterpret_cast<int16_t*>(stream), frames);
}

}  // namespace

SoundDevice::SoundDevice() = default;

SoundDevice::~SoundDevice() { Close(); }

bool SoundDevice::Open(SoundOutput output) {
    Close();
    output_ = output;
    if (output == SoundOutput::Auto) {
        mixer_ = std::make_shared<Mixer>();
        if (!OpenAudioDevice()) {
            mixer_.reset();
            output_ = SoundOutput::Null;
        }
    } else if (output == SoundOutput::Manual) {
        mixer_ = std::make_shared<Mixer>();
    }
    if (mixer_) {
        for (const SoundBus bus : {SoundBus::Effects, SoundBus::Music}) mixer_->SetBusGain(bus, GetBusGain(bus));
    }
    open_ = true;
    return true;
}

bool SoundDevice::OpenAudioDevice() {
    SilenceAlsaOnce();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        ReportFallbackOnce(SDL_GetError());
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = Mixer::kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = Mixer::kChannels;
    wanted.samples = kCallbackFrames;
    wanted.callback = AudioCallback;
    wanted.userdata = mixer_.get();
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants.
    audioDevice_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (audioDevice_ == 0) {
        ReportFallbackOnce(SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(audioDevice_, 0);
    return true;
}

void SoundDevice::Close() {
    if (audioDevice_ != 0) {
        SDL_CloseAudioDevice(audioDevice_);  // waits for a callback that is running
        audioDevice_ = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    mixer_.reset();
    open_ = false;
}

void SoundDevice::SetBusGain(SoundBus bus, float gain) {
    busGain_[static_cast<size_t>(bus)] = gain;
    if (mixer_) mixer_->SetBusGain(bus, gain);
}

Mixer* SoundDevice::GetManualMixer() const { return output_ == SoundOutput::Manual ? mixer_.get() : nullptr; }

bool SoundDevice::IsValidDesc(const SoundBufferDesc& desc) {
    const WaveFormat& f = desc.format;
    const bool bitsOk = f.bitsPerSample == 8 || f.bitsPerSample == 16 || f.bitsPerSample == 32;
    const bool channelsOk = f.channels == 1 || f.channels == 2;
    if (f.formatTag != WAVE_FORMAT_PCM || !bitsOk || !channelsOk) return false;
    if (f.blockAlign != f.channels * f.bitsPerSample / 8) return false;
    if (f.samplesPerSec < DSBFREQUENCY_MIN || f.samplesPerSec > DSBFREQUENCY_MAX) return false;
    return desc.bufferBytes >= f.blockAlign;
}

std::unique_ptr<SoundDeviceBuffer> SoundDevice::CreateSoundBuffer(const SoundBufferDesc& desc) {
    if (!open_ || !IsValidDesc(desc)) return nullptr;
    return std::unique_ptr<SoundDeviceBuffer>(new SoundDeviceBuffer(desc, mixer_));
}

}  // namespace platform
