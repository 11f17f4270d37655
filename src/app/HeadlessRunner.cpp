#include "app/HeadlessRunner.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "game/Game.h"
#include "app/StateDump.h"
#include "app/WindowProcedure.h"
#include "gfx/DirectDraw.h"
#include "platform/Clock.h"
#include "platform/DisplayDevice.h"
#include "platform/Gamepads.h"
#include "platform/MessageQueue.h"
#include "platform/Messages.h"
#include "platform/Mixer.h"
#include "platform/Present.h"
#include "platform/SoundDevice.h"
#include "platform/Window.h"
#include "sound/SoundEngine.h"

namespace {
constexpr int kStateWriteFailedExitCode = 1;
}  // namespace

HeadlessRunner::HeadlessRunner(const CommandLine& options, std::vector<InputEvent> events)
    : options_(options), events_(std::move(events)) {}

HeadlessRunner::~HeadlessRunner() { platform::SetPresentHook({}); }

void HeadlessRunner::InstallFrameCapture() {
    // Without a frame to write, a presented frame goes nowhere: keeping it would be most of a
    // run's work.
    if (options_.frames.empty()) return;
    platform::SetPresentHook([this](const platform::FrameView& frame) { capture_.Take(frame); });
}

bool HeadlessRunner::OpenStateFile() {
    if (options_.stateFile.empty()) return true;
    state_.open(options_.stateFile, std::ios::out | std::ios::trunc);
    if (!state_) {
        std::fprintf(stderr, "reedjumper: cannot write the state file %s\n", options_.stateFile.c_str());
        return false;
    }
    return true;
}

bool HeadlessRunner::OpenMixFile() {
    if (options_.mixFile.empty()) return true;
    mix_ = std::make_unique<MixRecorder>();
    return mix_->Open(options_.mixFile);
}

void HeadlessRunner::RecordMix() {
    if (!mix_) return;
    const platform::SoundDevice* device = SoundEngine::Instance().GetDevice();
    if (platform::Mixer* mixer = device ? device->GetManualMixer() : nullptr) mix_->Record(*mixer, options_.dt);
}

void HeadlessRunner::PostEvents(int tick, platform::Window& window) {
    using Kind = InputEvent::Kind;
    const uint32_t now = platform::TimeGetTime();
    for (; nextEvent_ < events_.size() && events_[nextEvent_].tick == tick; ++nextEvent_) {
        const InputEvent& event = events_[nextEvent_];
        const bool padEvent = event.kind == Kind::PadAdded || event.kind == Kind::PadRemoved ||
                              event.kind == Kind::PadDown || event.kind == Kind::PadUp || event.kind == Kind::PadStick;
        if (padEvent && !pads_) pads_ = std::make_unique<platform::Gamepads>(&window);
        switch (event.kind) {
        case Kind::Key:
            platform::PostMessage(&window, platform::WM_KEYDOWN, static_cast<platform::WPARAM>(event.a), 1);
            platform::PostMessage(&window, platform::WM_KEYUP, static_cast<platform::WPARAM>(event.a), 1);
            break;
        case Kind::Char:
            platform::PostMessage(&window, platform::WM_CHAR, static_cast<platform::WPARAM>(event.a), 1);
            break;
        case Kind::Down:
        case Kind::Up:
            platform::PostMessage(&window, platform::WM_MOUSEMOVE, 0, platform::MakeMouseLParam(event.a, event.b));
            platform::PostMessage(&window, event.kind == Kind::Down ? platform::WM_LBUTTONDOWN : platform::WM_LBUTTONUP,
                                  0, platform::MakeMouseLParam(event.a, event.b));
            break;
        case Kind::Focus:
            platform::PostMessage(&window, platform::WM_ACTIVATEAPP, static_cast<platform::WPARAM>(event.a), 0);
            platform::PostMessage(&window, event.a ? platform::WM_SETFOCUS : platform::WM_KILLFOCUS, 0, 0);
            break;
        case Kind::Quit:
            // As the window's close button: close, destroy, quit.
            platform::PostMessage(&window, platform::WM_CLOSE, 0, 0);
            break;
        case Kind::LoseSurfaces:
            // Before this tick's drawing: the draws find the surfaces lost and the game restores them.
            if (platform::DisplayDevice* device = DirectDraw::Instance().GetDevice()) device->LoseAllSurfaces();
            break;
        // Pads go through the same translation as SDL's controller events.
        case Kind::PadAdded: pads_->Added(event.a); break;
        case Kind::PadRemoved: pads_->Removed(event.a); break;
        case Kind::PadDown:
        case Kind::PadUp:
            pads_->Button(event.a, static_cast<platform::PadButton>(event.b), event.kind == Kind::PadDown, now);
            break;
        case Kind::PadStick:
            pads_->Stick(event.a, 0, event.b, now);
            pads_->Stick(event.a, 1, event.c, now);
            break;
        }
    }
    if (pads_) pads_->Update(now);  // held directions repeat as they would under the real clock
}

void HeadlessRunner::WriteFrames(int tick) {
    for (const FrameRequest& frame : options_.frames) {
        if (frame.tick != tick) continue;
        if (!capture_.WriteBmp(frame.path)) {
            std::fprintf(stderr, "reedjumper: cannot write the frame of tick %d to %s\n", tick, frame.path.c_str());
        }
    }
}

void HeadlessRunner::Run(Game& game, platform::Window& window) {
    const auto stepMs = static_cast<uint32_t>(std::lround(options_.dt * 1000.0));
    SoundEngine& sound = SoundEngine::Instance();
    sound.TakeStartedSounds();  // the theme started by the loading belongs to no tick
    game.StartClock();
    // Without a tick count the run lasts as long as the script has something to say.
    const int lastTick = options_.ticks >= 0 ? options_.ticks : (events_.empty() ? 1 : events_.back().tick);
    bool quitting = false;
    for (int tick = 1; !quitting && tick <= lastTick; ++tick) {
        PostEvents(tick, window);
        quitting = !platform::PumpMessages();
        // A replay brings the time step of each of its ticks; the clock counts whole milliseconds.
        const std::optional<uint32_t> demoStepUs = game.DemoStepUs();
        platform::AdvanceVirtualTime(demoStepUs ? (*demoStepUs + 999) / 1000 : stepMs);
        // The main loop runs one last tick after the quit, and so does the runner.
        tickTimes_.Begin();
        game.Tick(HasFocus());
        tickTimes_.End();
        RecordMix();
        if (state_.is_open()) {
            state_ << DescribeGameState(game, tick, sound.TakeStartedSounds()) << '\n';
            state_.flush();
            if (!state_) {
                // A full disk: the dump would be incomplete, so the run ends and says so.
                std::fprintf(stderr, "reedjumper: writing the state file %s failed at tick %d\n",
                             options_.stateFile.c_str(), tick);
                platform::PostQuitMessage(kStateWriteFailedExitCode);
                return;
            }
        } else {
            sound.TakeStartedSounds();
        }
        WriteFrames(tick);
        if (afterTick_) afterTick_();
    }
    if (mix_ && mix_->Close()) std::printf("%s\n", mix_->Summary().c_str());
    tickTimes_.Write();
}
