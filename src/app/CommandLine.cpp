#include "app/CommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "core/StringUtil.h"

namespace {

// The virtual clock counts whole milliseconds, so a shorter step would never move it; a step of
// more than a second is no longer a frame (the game would spend minutes catching up).
constexpr double kMinDt = 0.001;
constexpr double kMaxDt = 1.0;

bool ParseUnsigned(const std::string& text, uint32_t& value) {
    if (text.empty() || text[0] == '-') return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long parsed = std::strtoull(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed > 0xFFFFFFFFull) return false;
    value = static_cast<uint32_t>(parsed);
    return true;
}

bool ParseInt(const std::string& text, int& value) {
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || errno != 0 || *end != '\0' || parsed < 0 || parsed > 1000000000L) return false;
    value = static_cast<int>(parsed);
    return true;
}

CommandLine Error(std::string what) {
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.error = std::move(what);
    return result;
}

}  // namespace

const char* UsageText() {
    return "usage: reedjumper [options]\n"
           "  --help              show this text and exit\n"
           "  --version           show the version and where the game data was found, and exit\n"
           "  --fullscreen        play on the whole screen (default: as last time, at first\n"
           "                      the whole screen)\n"
           "  --windowed          play in a window\n"
           "  --data DIR          read the game data from DIR (default: the folder \"data\" beside\n"
           "                      the program, else ../share/reedjumper seen from the program,\n"
           "                      else the install folder)\n"
           "  --userdir DIR       keep the high scores and remembered options in DIR (default:\n"
           "                      $XDG_DATA_HOME/reedjumper, else ~/.local/share/reedjumper)\n"
           "  --integer-scale     scale the picture by whole factors only (crisp pixels);\n"
           "                      remembered until --smooth-scale\n"
           "  --smooth-scale      scale the picture to fill the window (the default)\n"
           "  F11 or Alt+Enter switch between full screen and window while playing\n"
           "  --nosound           play without sound\n"
           "  --tick-times FILE   write what each game tick cost, for the benchmarks: lines\n"
           "                      \"<tick> <processor us> <start us of the monotonic clock>\"\n"
           "headless runs (no window, no audio, virtual clock):\n"
           "  --headless [--seed N] [--dt S] [--ticks N] [--input FILE] [--state FILE]\n"
           "             [--frame TICK:FILE.bmp]... [--mix FILE.wav] [--strict-settings]\n"
           "  --seed N            seed of the random source\n"
           "  --dt S              seconds per tick, 0.001 to 1 (default 0.02)\n"
           "  --ticks N           run N ticks, then shut down (default: up to the last\n"
           "                      scripted tick)\n"
           "  --input FILE        scripted input: lines \"<tick> key <vk>\", \"<tick> char <code>\",\n"
           "                      \"<tick> down <x> <y>\", \"<tick> up <x> <y>\", \"<tick> focus <0|1>\",\n"
           "                      \"<tick> quit\", \"<tick> lose\" (the display's surfaces are lost),\n"
           "                      \"<tick> pad <n> added|removed\", \"<tick> pad <n>\n"
           "                      down|up up|down|left|right|a|b|start|back\", \"<tick> pad <n> stick\n"
           "                      <x> <y>\" (-32768 to 32767); '#' starts a comment; tick 0 is\n"
           "                      the loading\n"
           "  --state FILE        write the game's state after every tick (JSON Lines)\n"
           "  --frame TICK:FILE   write the frame shown at TICK as a 24-bit BMP\n"
           "  --mix FILE.wav      mix the sound as a sound card would play it and write it to\n"
           "                      FILE.wav; its peak, loudness and clipped samples are printed\n"
           "  --strict-settings   a missing settings key ends the run with status 1\n"
           "  --autoplay          the bot plays one game from the title menu, types its name\n"
           "                      into the high-score table and ends the program\n"
           "  --replay FILE       play a recorded game back (in a window, or with --headless),\n"
           "                      then end the program\n"
           "  --record FILE       write the recording of every game that ends into FILE\n"
           "  --state FILE        works in a window too: the state after every tick that ran\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // Options that take a value read the next argument.
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            result.action = CommandLine::Action::Help;
            return result;
        } else if (arg == "--version") {
            result.action = CommandLine::Action::Version;
            return result;
        } else if (arg == "--windowed") {
            result.windowed = true;
            result.displayModeGiven = true;
        } else if (arg == "--integer-scale") {
            result.integerScale = true;
        } else if (arg == "--smooth-scale") {
            result.integerScale = false;
        } else if (arg == "--fullscreen") {
            result.windowed = false;
            result.displayModeGiven = true;
        } else if (arg == "--nosound") {
            result.noSound = true;
        } else if (arg == "--headless") {
            result.headless = true;
        } else if (arg == "--strict-settings") {
            result.strictSettings = true;
        } else if (arg == "--autoplay") {
            result.autoplay = true;
        } else if (arg == "--data") {
            if (!value(result.dataDir) || result.dataDir.empty()) return Error("--data needs a folder");
        } else if (arg == "--userdir") {
            if (!value(result.userDir) || result.userDir.empty()) return Error("--userdir needs a folder");
        } else if (arg == "--replay") {
            if (!value(result.replayFile) || result.replayFile.empty()) return Error("--replay needs a file");
        } else if (arg == "--record") {
            if (!value(result.recordFile) || result.recordFile.empty()) return Error("--record needs a file");
        } else if (arg == "--input") {
            if (!value(result.inputFile)) return Error("--input needs a file");
        } else if (arg == "--state") {
            if (!value(result.stateFile)) return Error("--state needs a file");
        } else if (arg == "--mix") {
            if (!value(result.mixFile) || result.mixFile.empty()) return Error("--mix needs a file");
        } else if (arg == "--tick-times") {
            if (!value(result.tickTimesFile) || result.tickTimesFile.empty()) return Error("--tick-times needs a file");
        } else if (arg == "--seed") {
            if (!value(text) || !ParseUnsigned(text, result.seed))
                return Error("--seed needs a number from 0 to 4294967295");
            result.seedGiven = true;
        } else if (arg == "--ticks") {
            if (!value(text) || !ParseInt(text, result.ticks))
                return Error("--ticks needs a whole number of 0 or more");
        } else if (arg == "--dt") {
            char* end = nullptr;
            if (!value(text)) return Error("--dt needs a number of seconds");
            result.dt = std::strtod(text.c_str(), &end);
            if (text.empty() || *end != '\0' || !(result.dt >= kMinDt && result.dt <= kMaxDt)) {
                return Error(StringFormat("--dt needs a number of seconds from %g to %g, not \"%s\"", kMinDt, kMaxDt,
                                          text.c_str()));
            }
        } else if (arg == "--frame") {
            if (!value(text)) return Error("--frame needs TICK:FILE.bmp");
            const size_t colon = text.find(':');
            FrameRequest frame;
            if (colon == std::string::npos || colon + 1 >= text.size() ||
                !ParseInt(text.substr(0, colon), frame.tick) || frame.tick < 1) {
                return Error("--frame needs TICK:FILE.bmp with a tick from 1, not \"" + text + "\"");
            }
            frame.path = text.substr(colon + 1);
            result.frames.push_back(frame);
        } else {
            return Error("unknown option \"" + arg + "\"");
        }
    }
    const bool headlessOnly = result.seedGiven || result.ticks >= 0 || !result.inputFile.empty() ||
                              !result.frames.empty() || !result.mixFile.empty();
    if (headlessOnly && !result.headless) return Error("--seed, --ticks, --input, --frame and --mix need --headless");
    return result;
}
