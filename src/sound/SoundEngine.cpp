#include "sound/SoundEngine.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "core/StringUtil.h"
#include "core/Trace.h"
#include "platform/Headless.h"
#include "platform/MultimediaTimer.h"
#include "platform/SoundDeviceBuffer.h"
#include "sound/SfxLoader.h"
#include "sound/SfxRegistry.h"
#include "sound/SfxStreaming.h"
#include "sound/SoundConversion.h"
#include "sound/SoundData.h"
#include "sound/SoundFx.h"
#include "sound/StreamingSoundFx.h"

namespace {
constexpr double kStreamBufferSeconds = 2.0;
// Sample rates a sound buffer plays (the frequency range of the device's buffers). A file that
// declares another rate is refused: its buffer size and resampling step would not fit an int.
constexpr int kMinSampleRate = 100;
constexpr int kMaxSampleRate = 200000;

bool RateFits(const std::string& fileName, int rate) {
    if (rate >= kMinSampleRate && rate <= kMaxSampleRate) return true;
    std::fprintf(stderr, "%s: sample rate %d Hz is outside %d ... %d Hz; the sound is not loaded\n", fileName.c_str(),
                 rate, kMinSampleRate, kMaxSampleRate);
    return false;
}
}  // namespace

SoundEngine::SoundEngine() {
    // Makes the timer service exist before the engine, so that it is destroyed after it: an
    // engine torn down at process exit still kills its stream timers on a living service.
    platform::TimeKillEvent(0);
}

SoundEngine::~SoundEngine() { Shutdown(); }

bool SoundEngine::Init(platform::SoundOutput output) {
    loaders_.clear();
    Trace("Creating registered sfx-loaders:\n");
    for (const auto& [typeName, create] : SfxRegistry::LoadingTypes()) {
        Trace("  %s\n", typeName.c_str());
        loaders_.push_back(create());
    }
    directSound_.reset();
    if (soundOff_) return false;
    if (platform::IsHeadless() && output == platform::SoundOutput::Auto) output = platform::SoundOutput::Null;
    directSound_ = std::make_unique<platform::SoundDevice>();
    return directSound_->Open(output);
}

bool SoundEngine::Shutdown() {
    // Sounds first: their buffers and stream timers must go before the device.
    sounds_.clear();
    loaders_.clear();
    directSound_.reset();
    return true;
}

void SoundEngine::SetBusGain(platform::SoundBus bus, float gain) {
    if (directSound_) directSound_->SetBusGain(bus, gain);
}

void SoundEngine::SetSoundBus(const std::string& name, platform::SoundBus bus) {
    SoundFx* sound = GetSound(name);
    if (sound && sound->GetBuffer()) sound->GetBuffer()->SetBus(bus);
}

std::unique_ptr<platform::SoundDeviceBuffer> SoundEngine::CreateBuffer(const SoundData& format, const uint8_t* data,
                                                                       int flags) const {
    if (!directSound_ || format.channels <= 0 || format.bits <= 0) return nullptr;
    platform::SoundBufferDesc desc;
    desc.format.formatTag = platform::WAVE_FORMAT_PCM;
    desc.format.channels = static_cast<uint16_t>(format.channels);
    desc.format.samplesPerSec = static_cast<uint32_t>(format.rate);
    desc.format.blockAlign = static_cast<uint16_t>(format.channels * format.bits / 8);
    desc.format.avgBytesPerSec = desc.format.samplesPerSec * desc.format.blockAlign;
    desc.format.bitsPerSample = static_cast<uint16_t>(format.bits);
    desc.flags = ((flags & kFlagVolume) ? platform::DSBCAPS_CTRLVOLUME : 0u) |
                 ((flags & kFlagFrequency) ? platform::DSBCAPS_CTRLFREQUENCY : 0u);
    desc.bufferBytes = static_cast<uint32_t>(format.samples) * desc.format.blockAlign;
    std::unique_ptr<platform::SoundDeviceBuffer> buffer = directSound_->CreateSoundBuffer(desc);
    if (!buffer) return nullptr;

    void* region1 = nullptr;
    void* region2 = nullptr;
    uint32_t bytes1 = 0;
    uint32_t bytes2 = 0;
    if (!buffer->Lock(0, 0, &region1, &bytes1, &region2, &bytes2, platform::DSBLOCK_ENTIREBUFFER)) return nullptr;
    if (data) {
        std::memcpy(region1, data, bytes1);
        if (region2) std::memcpy(region2, data + bytes1, bytes2);
    } else if (format.bits == 8) {
        std::memset(region1, 0x80, bytes1);  // silence of unsigned 8-bit samples
    }
    if (!buffer->Unlock(region1, bytes1, region2, bytes2)) return nullptr;
    return buffer;
}

bool SoundEngine::LoadSound(const std::string& name, const std::string& fileName, int flags, bool mono) {
    const std::string key = MakeAssetKey(name);
    if (flags & kFlagStream) return LoadStreamingSound(key, fileName, flags);

    SoundData loaded;
    bool ok = false;
    for (const auto& loader : loaders_) {
        if (loader->CanLoad(fileName) && loader->Load(fileName, loaded)) {
            ok = true;
            break;
        }
    }
    if (!ok || !RateFits(fileName, loaded.rate)) return false;
    SoundData converted;
    if (!ConvertSound(loaded, mono, converted)) return false;
    std::unique_ptr<platform::SoundDeviceBuffer> buffer = CreateBuffer(converted, converted.data.data(), flags);
    if (!buffer) return false;
    sounds_[key] = std::make_unique<SoundFx>(key, fileName, std::move(buffer));
    return true;
}

bool SoundEngine::LoadStreamingSound(const std::string& key, const std::string& fileName, int flags) {
    std::unique_ptr<SfxStreaming> decoder;
    SoundData format;
    for (const auto& [typeName, create] : SfxRegistry::StreamingTypes()) {
        std::unique_ptr<SfxStreaming> candidate = create();
        if (candidate->CanOpen(fileName) && candidate->Open(fileName, format)) {
            decoder = std::move(candidate);
            break;
        }
    }
    if (!decoder || !RateFits(fileName, format.rate)) return false;
    format.samples = static_cast<int>(format.rate * kStreamBufferSeconds);
    std::unique_ptr<platform::SoundDeviceBuffer> buffer = CreateBuffer(format, nullptr, flags);
    if (!buffer) return false;
    sounds_[key] = std::make_unique<StreamingSoundFx>(key, fileName, std::move(decoder), std::move(buffer));
    return true;
}

SoundFx* SoundEngine::GetSound(const std::string& name) const {
    const auto it = sounds_.find(MakeAssetKey(name));
    return it == sounds_.end() ? nullptr : it->second.get();
}

void SoundEngine::SetRecordStarts(bool on) {
    recordStarts_ = on;
    if (!on) startedSounds_.clear();
}

void SoundEngine::NoteStarted(const std::string& name) {
    if (recordStarts_) startedSounds_.push_back(name);
}

std::vector<std::string> SoundEngine::TakeStartedSounds() { return std::exchange(startedSounds_, {}); }
