#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/DemoSource.h"
#include "game/PlayOverlays.h"
#include "game/PadSpot.h"
#include "game/Replay.h"
#include "game/VolumePanelLayout.h"
#include "game/VolumeSteps.h"
#include "core/Singleton.h"
#include "platform/FramePacer.h"
#include "world/objects/InsectFactory.h"
#include "world/GameContext.h"
#include "world/GameState.h"

struct MenuButton;

class Frog;
class World;

// The game's hub: the state machine with one frame handler per state, the title-menu options,
// the menus and the start-up loading. Its pieces live in separate files by concern:
//   Game.cpp         states, frame tick, new game, shutdown, what the world asks of the game
//   GameLoading.cpp  settings, fonts, sprite registration, sounds and sprites behind the bar
//   GameScreens.cpp  the frame handlers of the menu screens and the pause
//   GamePlay.cpp     the frame handlers of the play states
//   GameInput.cpp    keys, typed characters and mouse buttons
//   GameSounds.cpp   music option, theme and ambient loops, leaving the high-score screen
//   GameHud.cpp      the head-up display over the play field
//   GameOverlays.cpp what stands over the field after the HUD, and the pause on a lost focus
//   GameWorldEvents.cpp  the insects and the scoring events the world reports
class Game final : public Singleton<Game>, public GameContext {
public:
    // The shortest frame step: at most 50 updates per second.
    static constexpr float kMinFrameSeconds = 0.02f;
    static constexpr uint32_t kMinFrameMs = 20;
    static constexpr float kCreditsScrollSpeed = 25.0f;  // pixels per second

    // --- start-up (GameLoading.cpp) ---
    bool LoadSettings();
    bool LoadResources();
    bool ShowPreload(float progress);

    // --- states (Game.cpp) ---
    void SetState(GameState newState);
    GameState GetState() const { return state_; }
    GameState GetSavedState() const { return savedState_; }
    // One frame when its deadline has come (every kMinFrameMs, on absolute deadlines) and the
    // window has the focus; the frame's step is the time elapsed since the frame before.
    // True when a frame ran.
    bool Tick(bool hasFocus);
    // Time until the next frame may run (0: now); the main loop's idle wait.
    uint32_t MillisecondsToNextTick() const;
    uint64_t MicrosecondsToNextTick() const;
    // The frame clock starts now (the headless runner, before its first tick).
    void StartClock();
    void NewGame();
    void Shutdown();

    // --- input (GameInput.cpp) ---
    void OnKeyDown(uint32_t virtualKey);
    void OnChar(uint32_t code);
    void OnMouseDown(int x, int y);
    void OnMouseUp(int x, int y);
    // A gamepad (GamePad.cpp): a button or direction (platform::PadButton), and a pad pulled out.
    void OnPadButton(uint32_t button);
    void OnPadRemoved();
    // Where the pad's highlight stands on the title menu; None before the pad is used.
    PadSpot GetPadSpot() const { return padSpot_; }
    // The button under that highlight while the title menu shows; null otherwise.
    const MenuButton* PadHighlightedButton() const;
    // The volume row under that highlight while the title menu shows.
    std::optional<volume_panel::Row> PadVolumeRow() const;

    // --- menus and sounds (GameScreens.cpp, GameSounds.cpp) ---
    void ToggleMusic();
    void ToggleShadows();
    // Music and shadows as the player left them last time, and back into the store on a change.
    void TakeRememberedOptions();
    void RememberOptions() const;
    void UpdateSounds(bool menu);
    void DrawHighlights();
    void DrawCursor();
    void UpdateCredits(float dt);
    void LeaveHighScoreScreen();

    // Volume factors (0 … 1) of the four ambient loops for the frog's surroundings.
    struct AmbientLevels {
        float river = 0.0f;
        float road = 0.0f;
        float underground = 0.0f;
        float insects = 0.0f;
    };
    AmbientLevels ComputeAmbientLevels() const;

    bool IsSoundAvailable() const { return soundAvailable_; }
    void SetSoundAvailable(bool available) { soundAvailable_ = available; }
    bool MusicOn() const { return musicOn_; }

    // Music and effects volumes in steps of VolumeSteps (0 … 10), applied to the sound at once
    // (GameSounds.cpp).
    int MusicVolume() const { return musicVolume_; }
    int EffectsVolume() const { return effectsVolume_; }
    void SetVolumes(int musicStep, int effectsStep);
    void StepMusicVolume(int delta) { SetVolumes(musicVolume_ + delta, effectsVolume_); }
    void StepEffectsVolume(int delta) { SetVolumes(musicVolume_, effectsVolume_ + delta); }
    float GetCreditsPosition() const { return creditsPosition_; }
    const std::vector<std::string>& GetCreditsLines() const { return creditsLines_; }
    World* GetWorldIfAny() { return world_.get(); }
    const InsectList& GetInsects() const { return insects_; }

    // --- recordings, demos and attract mode (GameDemo.cpp) ---
    // Every game started from the title menu is recorded; the recording of a game offered to the
    // high-score table is kept beside the table with its entry. Recordings carry these stamps.
    void SetReplayStamp(std::string gameVersion, std::string dataHash);
    // True when the replay was made by this program on this data; else `why` says what differs.
    bool AcceptsReplay(const Replay& replay, std::string& why) const;
    // A demo game: from the title menu a game starts as with S, its input taken from the source
    // instead of the keyboard. A key or click of the player ends it, and so does the end of the
    // game; a demo never reaches the high-score table. Afterwards the game shows `returnState`,
    // or asks the program to end when `quitAfter` is set.
    void StartDemo(std::unique_ptr<DemoSource> source, GameState returnState, bool quitAfter = false);
    void StopDemo();
    bool InDemo() const { return demo_ != nullptr; }
    // The time step of the coming demo tick in microseconds, for a runner that moves the clock.
    std::optional<uint32_t> DemoStepUs() const;
    // What the title menu shows after kAttractSeconds without input when the best high-score
    // entry has no replay to play.
    void SetBotDemoFactory(std::function<std::unique_ptr<DemoSource>()> factory) {
        botDemoFactory_ = std::move(factory);
    }
    // The recording of the last game offered to the table (null before the first).
    const Replay* LastRecording() const { return lastRecording_.get(); }
    // Also keeps the recording of every game that ends (offered to the table or abandoned) in
    // this file.
    void SetRecordPath(std::string path) { recordPath_ = std::move(path); }
    // Where the replay of high-score entry `index` (from 0) is kept: beside the table.
    std::string EntryReplayPath(int index) const;
    // Plays the replay of a high-score entry; false (with one line on standard error) when it
    // has none or it cannot be played.
    bool WatchEntry(int index);
    static constexpr float kAttractSeconds = 30.0f;

    // --- GameContext ---
    FloatPoint GetScrollPosition() const override;
    Frog* GetFrog() override;
    World& GetWorld() override;
    GameState GetGameState() const override { return state_; }
    bool ShadowsOn() const override { return shadowsOn_; }
    Sprite* GetSprite(std::string_view key, bool mirrored) override;
    void PlaySound(std::string_view name) override;
    void StartFrogDying() override;
    void ResetScrollTarget() override;
    void AddStar(const VisualObject& where) override;
    void OnTruckToTruck() override;
    void OnFrogTimedOut() override;
    void CatchInsects(Frog& frog) override;
    void OnInsectEaten(int kind, IntPoint viewPosition) override;
    void OnInsectPierced(IntPoint viewPosition) override;

private:
    friend class Singleton<Game>;
    Game();
    ~Game() override;

    // One frame of the current state (GameScreens.cpp dispatches).
    void RunFrameHandler(float dt);
    void UpdateTitleMenu(float dt);
    void UpdateHelp(float dt);
    void UpdateHighScoreTable(float dt);
    void UpdateHighScoreSubmit(float dt);
    void UpdatePaused(float dt);
    // Play states (GamePlay.cpp).
    void UpdatePlaying(float dt);
    void UpdateFinalScroll(float dt);
    void UpdateFrogDying(float dt);
    void UpdateAfterDeath(float dt);
    void UpdateGameOver(float dt);
    void UpdateFinalShowDown(float dt);
    // How a play state's frame differs from the frame of a frog dying in traffic (GamePlay.cpp).
    struct SceneStep {
        bool scroll = true;            // the view follows the frog and scrolls; else it stands
        bool moveBackground = true;    // else the background stands still
        bool forceMove = false;        // every track moves, even the one the frog lies on
        bool stepFrog = true;          // else the frog is only drawn, over the areas
        bool checkCollisions = false;  // the frame's death check once everything moved
        bool checkGoal = false;        // the frame's goal check once the frog is known alive
        bool blinkLastLife = false;    // the HUD's last-life warning
        bool menuSounds = false;       // the sounds as on a menu (nothing of play goes on)
    };
    // The one recipe of a play frame: scroll, background, frog and areas (the frog under the
    // traffic where it walks on a road), the death check, top layers, goal check, insects, score,
    // HUD and sounds. True when the frog died; the frame then ends before the top layers.
    bool StepScene(float dt, const SceneStep& step);
    bool FrogDrawnUnderTraffic() const;
    void StartLevel();
    void UpdateLevelTime(float dt);
    bool CheckGoal();
    void PrepareFinalScroll();
    // Time, score, stars, lives, goal row, pause text, messages and popups (GameHud.cpp).
    void DrawHud(float dt, bool blinkLastLife, bool goalJustReached);
    void DrawOverlays(float dt);
    // Losing the focus during play pauses it; it stays paused until P.
    void PauseForLostFocus();
    // The level's insects: all deleted, the factory reset, the first ones spawned; one frame of
    // them (GameWorldEvents.cpp).
    void ResetInsects();
    void UpdateInsects(float dt);

    // Draws a catalogue sprite by resource name at (x, y); false when it is missing.
    bool DrawSprite(std::string_view name, int x, int y);
    void StopIdleSound();
    // The music sounds onto the music's volume, and both volumes to the mixer.
    void ApplyVolumes();
    // A settings key the game needed was missing or no number: the file is damaged, the values
    // the game now runs with are zeros, so it ends with status 1 (the key is named already).
    bool EndOnDamagedSettings();

    // Recording and demos (GameDemo.cpp). InterceptInput sees every input first: true when it
    // was consumed (it ended a demo, or picked a replay to watch).
    bool InterceptInput(Replay::Event::Kind kind, int a, int b = 0);
    // What a pad button does, after InterceptInput let it through.
    void HandlePadButton(uint32_t code);
    // False when a demo took the change over (its game ended).
    bool BeforeStateChange(GameState newState);
    void BeginRecording();
    void BeginTick(uint32_t stepUs);
    void AfterFrame(float dt);
    void StartAttract();
    void StoreEntryReplay(int index);
    void DrawDemoHint();
    void DrawReplayMarks();

    std::unique_ptr<DemoSource> demo_;
    GameState demoReturnState_ = kStateTitleMenu;
    bool demoQuitAfter_ = false;
    bool injecting_ = false;
    bool swallowMouseUp_ = false;
    bool shadowsBeforeDemo_ = true;
    float idleSeconds_ = 0.0f;
    float demoSeconds_ = 0.0f;
    std::unique_ptr<Replay> recording_;
    std::unique_ptr<Replay> lastRecording_;
    std::string gameVersion_;
    std::string dataHash_;
    std::string recordPath_;
    std::function<std::unique_ptr<DemoSource>()> botDemoFactory_;

    GameState state_ = kStateTitleMenu;
    GameState savedState_ = kStateTitleMenu;
    PadSpot padSpot_ = PadSpot::None;
    platform::FramePacer pacer_{uint64_t{kMinFrameMs} * 1000u};
    uint64_t lastTickUs_ = 0;  // when the last tick ran, for a replay's own steps

    bool soundAvailable_ = false;
    bool settingsLoaded_ = false;
    bool damagedSettingsEnded_ = false;
    bool musicOn_ = true;
    bool shadowsOn_ = true;
    int musicVolume_ = VolumeSteps::kMax;
    int effectsVolume_ = VolumeSteps::kMax;

    float waitAfterFrogDeathInterval_ = 0.0f;
    float waitBeforeScrollUpEndLevel_ = 0.0f;
    float scrollAccelerationPPS_ = 1.0f;
    float inGoalDistance_ = 0.0f;
    float inGameSoundThemeVolumedB_ = 0.0f;
    float deathWaitTimer_ = 0.0f;
    float finalScrollTimer_ = 0.0f;
    float showDownTimer_ = 0.0f;
    float gameOverTimer_ = 0.0f;

    std::vector<std::string> creditsLines_;
    float creditsPosition_ = 0.0f;

    std::unique_ptr<World> world_;
    std::unique_ptr<Frog> frog_;
    InsectList insects_;
    // Drawn over the field after the HUD: level announcement, truck warning, game over, pause,
    // closing tally (GameHud.cpp).
    PlayOverlays overlays_;
};
