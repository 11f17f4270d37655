#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/FrameCapture.h"
#include "app/InputScript.h"
#include "app/MixRecorder.h"
#include "app/TickTimes.h"

class Game;
namespace platform {
class Gamepads;
class Window;
}  // namespace platform

// Drives the game without a window: per tick it posts the scripted input, pumps the messages
// through the window procedure, moves the virtual clock on by exactly dt, runs the frame tick,
// and writes the state line and any requested frame.
class HeadlessRunner {
public:
    HeadlessRunner(const CommandLine& options, std::vector<InputEvent> events);
    ~HeadlessRunner();

    // Captures the frames the display presents; call before the display is opened.
    void InstallFrameCapture();
    // False with one line on standard error when the state file cannot be written.
    bool OpenStateFile();
    // The same for the mix file (--mix); it records from the first tick to the last.
    bool OpenMixFile();
    // The same for the tick times (--tick-times), written when the run ends.
    bool OpenTickTimesFile() { return tickTimes_.Open(options_.tickTimesFile); }
    // Posts the events of tick 0, which the loading screen's message pump receives.
    void PostLoadingEvents(platform::Window& window) { PostEvents(0, window); }
    // Runs until the tick count is reached or the game quits. Returns after the last tick.
    void Run(Game& game, platform::Window& window);
    // Called after every tick (a bot answering what it saw).
    void SetAfterTick(std::function<void()> hook) { afterTick_ = std::move(hook); }

private:
    void PostEvents(int tick, platform::Window& window);
    void WriteFrames(int tick);
    // One tick's worth of the mixer's output into the mix file.
    void RecordMix();

    CommandLine options_;
    std::vector<InputEvent> events_;
    size_t nextEvent_ = 0;
    std::ofstream state_;
    FrameCapture capture_;
    std::unique_ptr<platform::Gamepads> pads_;  // the scripted pads, made with the first pad line
    std::unique_ptr<MixRecorder> mix_;
    std::function<void()> afterTick_;
    TickTimes tickTimes_;
};
