#pragma once

#include <cstdint>
#include <string>
#include <optional>
#include <vector>

// The program's options. Without any it is the game in full screen; --headless makes it its own
// test driver (no window, no audio, a virtual clock, scripted input, state and frame dumps).
struct FrameRequest {
    int tick = 0;
    std::string path;
};

struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    std::string error;  // what was wrong, for Action::Error

    bool windowed = false;
    bool displayModeGiven = false;  // --windowed or --fullscreen; otherwise the remembered choice
    // --integer-scale (whole scaling factors only, for crisp pixels) or --smooth-scale; otherwise
    // the remembered choice.
    std::optional<bool> integerScale;
    bool noSound = false;
    std::string dataDir;
    std::string userDir;  // high scores and remembered options; empty: the desktop's folder

    bool headless = false;
    uint32_t seed = 0;
    bool seedGiven = false;
    double dt = 0.02;
    int ticks = -1;  // headless: -1 runs until the game quits
    std::string inputFile;
    std::string stateFile;
    std::vector<FrameRequest> frames;
    std::string mixFile;        // headless: the mixer's output as a WAVE file
    std::string tickTimesFile;  // what each game tick cost, in a window or headless, for the benchmarks
    bool strictSettings = false;
    bool autoplay = false;   // the bot plays one game from the title menu
    std::string replayFile;  // a recorded game to play back
    std::string recordFile;  // where every game's recording is written when it ends
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);
const char* UsageText();

// Exit status of a usage error.
constexpr int kUsageExitCode = 2;
