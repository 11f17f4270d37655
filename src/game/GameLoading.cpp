#include "game/Game.h"

#include <cstdio>
#include <cstring>
#include <optional>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "files/File.h"
#include "files/FileLoader.h"
#include "game/GameScore.h"
#include "game/HighScore.h"
#include "game/PreloadBar.h"
#include "game/ScreenMessage.h"
#include "game/SoundList.h"
#include "gfx/DirectDraw.h"
#include "gfx/HUDFont.h"
#include "gfx/Rect.h"
#include "gfx/ScoreFont.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "world/GameSprites.h"
#include "world/objects/Background.h"
#include "platform/Clock.h"
#include "platform/MessageQueue.h"
#include "platform/Messages.h"
#include "sound/SoundEngine.h"
#include "sound/SoundHelpers.h"

namespace {

constexpr int kFatalExitCode = -1;
constexpr int kBadSettingsExitCode = 1;
constexpr int kCreditsLineCapacity = 1024;  // 1023 characters and the terminator

// The bar last presented; a step that leaves it as it is presents nothing new.
std::optional<Rect> g_shownPreloadBar;
// When it was presented: a grown bar waits for the next frame's time, since a screen shows no
// more than a frame every Game::kMinFrameMs and each present redraws the whole loading picture.
uint64_t g_shownPreloadBarAt = 0;

bool Fail(const char* what) {
    std::fprintf(stderr, "reedjumper: %s\n", what);
    platform::PostQuitMessage(kFatalExitCode);
    return false;
}

// Whole sounds get volume control (the menu and ambient code set volumes); streams stream.
constexpr int kEffectFlags = SoundEngine::kFlagVolume;
constexpr int kStreamFlags = SoundEngine::kFlagVolume | SoundEngine::kFlagStream;

// The .wav file first, then the .ogg; a sound found in neither form is simply absent.
void LoadOneSound(const std::string& folder, const char* name, int flags) {
    const std::string key = MakeAssetKey(name);
    SoundEngine& engine = SoundEngine::Instance();
    if (!engine.LoadSound(key, folder + key + ".wav", flags, false)) {
        engine.LoadSound(key, folder + key + ".ogg", flags, false);
    }
}

}  // namespace

bool Game::LoadSettings() {
    const std::string folder = FileLoader::Instance().GetDataFolder();
    const std::string configPath = folder + "config.txt";
    if (!SettingsManager::Instance().Load(configPath)) {
        // Without its settings the game cannot run: every value would be 0.
        std::fprintf(stderr, "reedjumper: cannot read the settings file %s\n",
                     FileLoader::DiskPath(configPath).c_str());
        platform::PostQuitMessage(kFatalExitCode);
        return false;
    }
    if (SettingsManager::Instance().RefusedValues()) {
        // The values are named already; the world they describe cannot be built.
        platform::PostQuitMessage(kBadSettingsExitCode);
        return false;
    }
    if (!GameScore::Instance().Reset()) return Fail("the score cannot be set up");
    if (!HighScore::Instance().Init()) return Fail("the high-score table cannot be set up");
    if (!ScreenMessage::Instance().Init()) return Fail("the screen messages cannot be set up");
    // The fonts name their file themselves when it cannot be read.
    if (!HUDFont::Instance().Load(folder + "HUDFont.fnt", MakeAssetKey("HUD_FONT")) ||
        !ScoreFont::Instance().Load(folder + "ScoreFont.fnt", MakeAssetKey("SCORE_FONT"))) {
        platform::PostQuitMessage(kFatalExitCode);
        return false;
    }
    if (!RegisterGameSprites(SpriteManager::Instance())) return Fail("the sprite catalogue cannot be registered");

    SettingsManager& settings = SettingsManager::Instance();
    waitAfterFrogDeathInterval_ = settings.GetFloat("waitAfterFrogDeathInterval");
    waitBeforeScrollUpEndLevel_ = settings.GetFloat("waitBeforeScrollUpEndLevel");
    scrollAccelerationPPS_ = settings.GetFloat("scrollAccelerationPPS");
    inGoalDistance_ = settings.GetFloat("inGoalDistance");
    inGameSoundThemeVolumedB_ = settings.GetFloat("inGameSoundThemeVolumedB");
    settingsLoaded_ = true;
    if (EndOnDamagedSettings()) return false;
    deathWaitTimer_ = 0.0f;
    finalScrollTimer_ = 0.0f;
    showDownTimer_ = 0.0f;

    // The credits are optional: without the file the screen scrolls its logos only.
    creditsLines_.clear();
    File credits;
    if (credits.Open(folder + "credits.txt", "r")) {
        char line[kCreditsLineCapacity];
        while (!credits.IsEndOfFile() && credits.ReadLine(line, sizeof line)) creditsLines_.emplace_back(line);
        credits.Close();
    }
    return true;
}

bool Game::EndOnDamagedSettings() {
    if (!settingsLoaded_ || damagedSettingsEnded_ || SettingsManager::Instance().ProblemKeys().empty()) return false;
    damagedSettingsEnded_ = true;
    platform::PostQuitMessage(kBadSettingsExitCode);
    return true;
}

bool Game::LoadResources() {
    // A failed start-up already asked to quit: the loading screen would only report its
    // pictures as missing too.
    if (platform::IsQuitPosted()) return false;
    SpriteManager& sprites = SpriteManager::Instance();
    std::vector<SpriteSpec> specs;
    sprites.ForEachSpec([&specs](const SpriteSpec& spec) { specs.push_back(spec); });
    const float total = static_cast<float>(specs.size() + EffectSoundNames().size() + StreamedSoundNames().size());
    int step = 0;
    g_shownPreloadBar.reset();

    const bool soundOn = SettingsManager::Instance().GetBool("enableSound") && soundAvailable_;
    SoundEngine::Instance().SetEnabled(soundOn);
    if (soundOn) {
        const std::string folder = FileLoader::Instance().GetDataFolder();
        for (const char* name : EffectSoundNames()) {
            LoadOneSound(folder, name, kEffectFlags);
            if (!ShowPreload(static_cast<float>(step++) / total)) return false;
        }
        for (const char* name : StreamedSoundNames()) {
            LoadOneSound(folder, name, kStreamFlags);
            if (!ShowPreload(static_cast<float>(step++) / total)) return false;
        }
        ApplyVolumes();
        // The player may have turned the music off last time, or with U while the sounds loaded.
        if (musicOn_ && !IsSfxPlaying("SOUND_THEME", false)) PlaySfxLooped("SOUND_THEME");
    }
    for (const SpriteSpec& spec : specs) {
        sprites.GetSprite(spec.name, false);
        if (spec.hasMirrored) sprites.GetSprite(spec.name, true);
        if (!ShowPreload(static_cast<float>(step++) / total)) return false;
    }
    // Every game starts at the first level: its world picture is decoded behind the loading
    // screen, not when the player presses Start.
    Background::PreloadWorldPicture(0);
    return true;
}

bool Game::ShowPreload(float progress) {
    SpriteManager& sprites = SpriteManager::Instance();
    Sprite* preload = sprites.GetSprite(MakeAssetKey("PRELOAD"));
    Sprite* bar = sprites.GetSprite(MakeAssetKey("PROGRESS_BAR"));
    if (!preload || !bar) return false;
    const PreloadBarRects rects = ComputePreloadBar(bar->GetWidth(), bar->GetHeight(), progress);
    const uint64_t now = platform::TimeGetMicroseconds();
    const bool frameDue = !g_shownPreloadBar || now - g_shownPreloadBarAt >= uint64_t{kMinFrameMs} * 1000;
    if (g_shownPreloadBar != rects.destination && frameDue) {
        preload->Draw(0, 0);
        bar->DrawRegionStretched(rects.source, rects.destination);
        sprites.CheckInvalidSprites();
        DirectDraw::Instance().Present();
        g_shownPreloadBar = rects.destination;
        g_shownPreloadBarAt = now;
    }

    // Keys still work while loading (Escape ends the program, U toggles the music).
    return platform::PumpMessages();
}
