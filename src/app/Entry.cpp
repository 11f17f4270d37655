#include "app/Entry.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "app/CommandLine.h"
#include "game/Game.h"
#include "app/HeadlessRunner.h"
#include "app/InputScript.h"
#include "app/RememberedDisplay.h"
#include "app/TickTimes.h"
#include "settings/RememberedOptions.h"
#include "app/PlayModes.h"
#include "settings/SettingsManager.h"
#include "app/WindowProcedure.h"
#include "core/Randomizer.h"
#include "files/DataFolderSearch.h"
#include "files/FileLoader.h"
#include "files/UserFolder.h"
#include "gfx/DirectDraw.h"
#include "platform/Clock.h"
#include "platform/Headless.h"
#include "platform/MessageQueue.h"
#include "platform/PrefFolder.h"
#include "platform/SdlGamepads.h"
#include "platform/Messages.h"
#include "platform/Window.h"
#include "sound/SoundEngine.h"

#ifndef RJ_VERSION
#define RJ_VERSION "1.0.0"
#endif
// Where an install puts the data; set by the build.
#ifndef RJ_INSTALL_DATADIR
#define RJ_INSTALL_DATADIR ""
#endif

namespace {

// The display mode is fixed: 800 × 600 at 16 bits per pixel.
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kColourDepth = 16;
constexpr int kFatalExitCode = -1;
constexpr int kNoWindowExitCode = 1;
// The main loop waits for input until this close to the next frame, then sleeps the rest.
constexpr uint64_t kPreciseSleepUs = 1500;

// Window and display; null (after saying why, with the exit status in `failureStatus`) when
// either cannot be set up.
std::unique_ptr<platform::Window> InitInstance(const CommandLine& options, int& failureStatus) {
    platform::Window::Options windowOptions;
    windowOptions.title = "Reedjumper";
    windowOptions.width = kScreenWidth;
    windowOptions.height = kScreenHeight;
    RememberedDisplay::Apply(options, windowOptions);
    std::unique_ptr<platform::Window> window;
    if (options.headless) {
        window = platform::Window::CreateHeadless(windowOptions, WndProc);
    } else {
        std::string error;
        window = platform::Window::Create(windowOptions, WndProc, error);
        if (!window) {
            std::fprintf(stderr, "%s\n", error.c_str());
            failureStatus = kNoWindowExitCode;
            return nullptr;
        }
    }
    RememberedDisplay::Follow(*window);
    window->Show();
    if (!options.headless) platform::OpenGamepads(window.get());
    // The display reports its own failures (the error box names the step).
    if (!DirectDraw::Instance().Init(window.get(), kScreenWidth, kScreenHeight, kColourDepth, true)) {
        failureStatus = kFatalExitCode;
        return nullptr;
    }
    return window;
}

void RunMainLoop(Game& game, const std::function<void()>& afterTick, TickTimes& tickTimes) {
    bool quitting = false;
    while (!quitting) {
        platform::Message msg;
        if (platform::PeekMessage(msg)) {
            if (platform::GetMessage(msg)) {
                platform::TranslateMessage(msg);
                platform::DispatchMessage(msg);
                continue;
            }
            quitting = true;  // one last tick runs
        }
        // A tick that did not run leaves time until the next one: wait for input meanwhile
        // instead of spinning, so that a menu does not keep a core busy. The last stretch is
        // slept precisely, since the event wait counts whole milliseconds.
        tickTimes.Begin();
        const bool ticked = game.Tick(HasFocus());
        if (ticked) tickTimes.End();
        if (ticked && afterTick) afterTick();
        if (!ticked && !quitting) {
            if (!HasFocus()) {
                platform::WaitMessage(Game::kMinFrameMs);
                continue;
            }
            const uint64_t remainingUs = game.MicrosecondsToNextTick();
            if (remainingUs >= kPreciseSleepUs + 1000) {
                platform::WaitMessage(static_cast<uint32_t>((remainingUs - kPreciseSleepUs) / 1000));
            } else if (remainingUs > 0) {
                std::this_thread::sleep_for(std::chrono::microseconds(remainingUs));
            }
        }
    }
}

// The user folder, created if need be, and the options remembered in it. A folder that cannot be
// made costs only the keeping of scores and options, never the start.
void OpenUserFolder(const CommandLine& options) {
    UserFolder::Set(options.userDir.empty() ? platform::PrefFolder("reedjumper") : options.userDir);
    std::string error;
    if (!UserFolder::Create(error)) {
        std::fprintf(stderr, "reedjumper: %s; high scores and options are not kept\n", error.c_str());
    }
    RememberedOptions& remembered = RememberedOptions::Instance();
    remembered.SetPath(UserFolder::PathOf(RememberedOptions::kFileName));
    remembered.Load();
}

std::vector<DataFolderSearch::Place> DataPlaces(const CommandLine& options) {
    return DataFolderSearch::Places(options.dataDir, DataFolderSearch::ExecutableFolder(), RJ_INSTALL_DATADIR);
}

// Points the file loader at the data; false after one line saying where it looked.
bool FindData(const CommandLine& options) {
    const std::vector<DataFolderSearch::Place> places = DataPlaces(options);
    if (!options.dataDir.empty()) {
        FileLoader::SetDataRoot(options.dataDir);
        if (FileLoader::DataRootExists()) return true;
        std::fprintf(stderr, "reedjumper: the data folder %s does not exist\n", FileLoader::DataRoot().c_str());
        return false;
    }
    if (const DataFolderSearch::Place* found = DataFolderSearch::Find(places)) {
        FileLoader::SetDataRoot(found->folder);
        return true;
    }
    std::fprintf(stderr, "reedjumper: no game data found (looked in %s); name the folder with --data DIR\n",
                 DataFolderSearch::Describe(places).c_str());
    return false;
}

int PrintVersion(const CommandLine& options) {
    std::printf("reedjumper %s\n", RJ_VERSION);
    const std::vector<DataFolderSearch::Place> places = DataPlaces(options);
    if (const DataFolderSearch::Place* found = DataFolderSearch::Find(places)) {
        std::printf("data: %s (%s)\n", found->folder.c_str(), found->why);
    } else {
        std::printf("data: none found (looked in %s)\n", DataFolderSearch::Describe(places).c_str());
    }
    return 0;
}

int ExitStatus() { return platform::IsQuitPosted() ? platform::GetQuitExitCode() : 0; }

int RunGame(const CommandLine& options) {
    std::vector<InputEvent> events;
    if (!options.inputFile.empty()) {
        std::ifstream in(options.inputFile);
        // A folder opens like an empty file; it is no script.
        std::error_code ignored;
        if (!in || std::filesystem::is_directory(options.inputFile, ignored)) {
            std::fprintf(stderr, "reedjumper: cannot read the input script %s\n", options.inputFile.c_str());
            return kUsageExitCode;
        }
        std::string error;
        if (!ParseInputScript(in, options.inputFile, events, error)) {
            std::fprintf(stderr, "reedjumper: %s\n", error.c_str());
            return kUsageExitCode;
        }
    }
    if (!FindData(options)) return kFatalExitCode;
    if (options.strictSettings) SettingsManager::Instance().SetStrict(true);
    OpenUserFolder(options);
    // The pack names its own damage; nothing can be read from a folder that fails here.
    if (!FileLoader::Instance().Open()) return kFatalExitCode;

    PlayModes modes(options);
    if (!modes.ReadReplay()) return kUsageExitCode;

    std::unique_ptr<HeadlessRunner> runner;
    if (options.headless) {
        platform::SetHeadless(true);
        platform::UseVirtualClock(true);
        Randomizer::Instance().Seed(options.seed);
        CommandLine runOptions = options;
        if (runOptions.ticks < 0 && modes.ReplayTicks() >= 0) runOptions.ticks = modes.ReplayTicks();
        runner = std::make_unique<HeadlessRunner>(runOptions, std::move(events));
        if (!runner->OpenStateFile() || !runner->OpenMixFile() || !runner->OpenTickTimesFile()) return kUsageExitCode;
        runner->InstallFrameCapture();
    }

    TickTimes tickTimes;  // the runner keeps its own
    if (!options.headless && !tickTimes.Open(options.tickTimesFile)) return kUsageExitCode;

    int failureStatus = kFatalExitCode;
    std::unique_ptr<platform::Window> window = InitInstance(options, failureStatus);
    if (!window) return failureStatus;

    Game& game = Game::Instance();
    if (!modes.Setup(game)) {
        FileLoader::Instance().Close();
        DirectDraw::Instance().Release();
        return kUsageExitCode;
    }
    SoundEngine& sound = SoundEngine::Instance();
    sound.SetSoundOff(options.noSound);
    if (options.headless) sound.SetRecordStarts(true);
    // A headless run that records the mix drives the mixer itself, tick by tick.
    platform::SoundOutput output = platform::SoundOutput::Auto;
    if (options.headless)
        output = options.mixFile.empty() ? platform::SoundOutput::Null : platform::SoundOutput::Manual;
    game.SetSoundAvailable(sound.Init(output));
    // No audio device and no mix file: no sample is ever heard, so streams need not decode.
    sound.SetUnheard(sound.GetDevice() && sound.GetDevice()->GetOutput() == platform::SoundOutput::Null);
    game.TakeRememberedOptions();
    game.LoadSettings();
    game.SetState(kStateLoading);
    if (runner) runner->PostLoadingEvents(*window);
    const bool loaded = game.LoadResources();
    game.SetState(kStateTitleMenu);
    modes.Start(game);
    const std::function<void()> afterTick = modes.AfterTick(game, *window);
    if (loaded) {
        if (runner) {
            runner->SetAfterTick(afterTick);
            runner->Run(game, *window);
        } else {
            RunMainLoop(game, afterTick, tickTimes);
        }
    }

    tickTimes.Write();
    game.RememberOptions();
    game.Shutdown();
    sound.Shutdown();
    FileLoader::Instance().Close();
    DirectDraw::Instance().Release();
    platform::CloseGamepads();
    window.reset();
    return ExitStatus();
}

}  // namespace

int RunProgram(const std::vector<std::string>& args) {
    const CommandLine options = ParseCommandLine(args);
    switch (options.action) {
    case CommandLine::Action::Help: std::fputs(UsageText(), stdout); return 0;
    case CommandLine::Action::Version: return PrintVersion(options);
    case CommandLine::Action::Error:
        std::fprintf(stderr, "reedjumper: %s\n%s", options.error.c_str(), UsageText());
        return kUsageExitCode;
    case CommandLine::Action::Run: break;
    }
    return RunGame(options);
}
