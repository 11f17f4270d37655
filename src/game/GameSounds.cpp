#include "game/Game.h"

#include <array>

#include "core/StringUtil.h"
#include "game/HighScore.h"
#include "game/VolumeSteps.h"
#include "platform/SoundBus.h"
#include "settings/RememberedOptions.h"
#include "sound/SoundEngine.h"
#include "sound/SoundFx.h"
#include "sound/SoundHelpers.h"

namespace {

constexpr std::array<const char*, 4> kAmbientLoops{"SOUND_AMBIENT_RIVER", "SOUND_AMBIENT_ROAD",
                                                   "SOUND_AMBIENT_ROAD_UNDERGROUND", "SOUND_AMBIENT_INSECTS"};

// The sounds the music volume sets; every other sound, the ambience too, follows the effects volume.
constexpr std::array<const char*, 2> kMusicSounds{"SOUND_THEME", "SOUND_HIGHSCORE"};

// Volume factor of a sound by resource name; nothing while sound is off or the sound is absent.
void SetSfxVolume(const char* name, float factor) {
    SoundEngine& engine = SoundEngine::Instance();
    if (!engine.IsEnabled()) return;
    if (SoundFx* sound = engine.GetSound(MakeAssetKey(name))) sound->SetVolume(factor);
}

}  // namespace

void Game::ToggleMusic() {
    musicOn_ = !musicOn_;
    RememberOptions();
    if (musicOn_) {
        PlaySfxLooped("SOUND_THEME");
    } else {
        StopSfx("SOUND_THEME");
    }
}

void Game::ToggleShadows() {
    shadowsOn_ = !shadowsOn_;
    RememberOptions();
}

void Game::TakeRememberedOptions() {
    const RememberedOptions::Values& values = RememberedOptions::Instance().Get();
    musicOn_ = values.music;
    shadowsOn_ = values.shadows;
    musicVolume_ = VolumeSteps::Clamp(values.musicVolume);
    effectsVolume_ = VolumeSteps::Clamp(values.effectsVolume);
}

void Game::RememberOptions() const {
    RememberedOptions& options = RememberedOptions::Instance();
    options.Get().music = musicOn_;
    options.Get().shadows = shadowsOn_;
    options.Get().musicVolume = musicVolume_;
    options.Get().effectsVolume = effectsVolume_;
    options.Save();
}

void Game::SetVolumes(int musicStep, int effectsStep) {
    musicVolume_ = VolumeSteps::Clamp(musicStep);
    effectsVolume_ = VolumeSteps::Clamp(effectsStep);
    ApplyVolumes();
    RememberOptions();
}

void Game::ApplyVolumes() {
    SoundEngine& engine = SoundEngine::Instance();
    for (const char* music : kMusicSounds) engine.SetSoundBus(music, platform::SoundBus::Music);
    engine.SetBusGain(platform::SoundBus::Music, VolumeSteps::Gain(musicVolume_));
    engine.SetBusGain(platform::SoundBus::Effects, VolumeSteps::Gain(effectsVolume_));
}

void Game::LeaveHighScoreScreen() {
    HighScore::Instance().Commit();
    SetState(kStateTitleMenu);
    StopSfx("SOUND_HIGHSCORE");
    if (!IsSfxPlaying("SOUND_THEME", true) && musicOn_) PlaySfxLooped("SOUND_THEME");
}

void Game::UpdateSounds(bool menu) {
    // The theme is quieter under play and under the pause that freezes it.
    const float inGameThemeVolume = (100.0f - inGameSoundThemeVolumedB_) * 0.01f;
    if (menu) {
        for (const char* loop : kAmbientLoops) StopSfx(loop);
        SetSfxVolume("SOUND_THEME", state_ == kStatePaused ? inGameThemeVolume : 1.0f);
        return;
    }
    SetSfxVolume("SOUND_THEME", inGameThemeVolume);
    const AmbientLevels levels = ComputeAmbientLevels();
    const std::array<float, 4> volumes{levels.river, levels.road, levels.underground, levels.insects};
    for (size_t i = 0; i < kAmbientLoops.size(); ++i) {
        if (!IsSfxPlaying(kAmbientLoops[i], true)) PlaySfxLooped(kAmbientLoops[i]);
        SetSfxVolume(kAmbientLoops[i], volumes[i]);
    }
}
