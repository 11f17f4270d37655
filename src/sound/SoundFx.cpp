#include "sound/SoundFx.h"

#include <algorithm>
#include <utility>

#include "platform/SoundDeviceTypes.h"
#include "sound/SoundEngine.h"

SoundFx::SoundFx(std::string name, std::string fileName, std::unique_ptr<platform::SoundDeviceBuffer> buffer)
    : name_(std::move(name)), fileName_(std::move(fileName)), buffer_(std::move(buffer)) {}

SoundFx::~SoundFx() {
    if (buffer_ && IsPlaying()) buffer_->Stop();
}

void SoundFx::Start(uint32_t playFlags) {
    if (!SoundEngine::Instance().IsEnabled() || !buffer_) return;
    if (buffer_->GetStatus() & platform::DSBSTATUS_PLAYING) buffer_->Stop();
    buffer_->SetCurrentPosition(0);
    buffer_->Play(playFlags);
}

void SoundFx::Play() { Start(0); }

void SoundFx::PlayLooped() { Start(platform::DSBPLAY_LOOPING); }

void SoundFx::Stop() {
    if (buffer_) buffer_->Stop();
}

bool SoundFx::IsPlaying() { return buffer_ && (buffer_->GetStatus() & platform::DSBSTATUS_PLAYING) != 0; }

void SoundFx::SetFrequency(uint32_t hz) {
    if (buffer_) buffer_->SetFrequency(hz);
}

int32_t SoundFx::VolumeFromFactor(float v) {
    const auto volume = static_cast<int32_t>((static_cast<double>(v) - 1.0) * 10000.0);
    return std::clamp(volume, platform::DSBVOLUME_MIN, platform::DSBVOLUME_MAX);
}

void SoundFx::SetVolume(float v) {
    if (buffer_) buffer_->SetVolume(VolumeFromFactor(v));
}
