#include "sound/SoundHelpers.h"

#include "sound/SoundEngine.h"
#include "sound/SoundFx.h"

namespace {
SoundFx* Find(const std::string& name) {
    SoundEngine& engine = SoundEngine::Instance();
    return engine.IsEnabled() ? engine.GetSound(name) : nullptr;
}
}  // namespace

void PlaySfx(const std::string& name) {
    SoundEngine::Instance().NoteStarted(name);
    if (SoundFx* sound = Find(name)) sound->Play();
}

void PlaySfxLooped(const std::string& name) {
    SoundEngine::Instance().NoteStarted(name);
    if (SoundFx* sound = Find(name)) sound->PlayLooped();
}

void StopSfx(const std::string& name) {
    if (SoundFx* sound = Find(name)) sound->Stop();
}

bool IsSfxPlaying(const std::string& name, bool defaultValue) {
    SoundFx* sound = Find(name);
    return sound ? sound->IsPlaying() : defaultValue;
}
