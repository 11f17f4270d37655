#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One recorded game: the random source's state when the game began, the time step of every tick
// and the input that arrived before each tick. Played back from the same start it gives the same
// game, state for state and frame for frame. Stored as a small text file:
//   reedjumper replay 1
//   game <program version>
//   data <hash of the game's data>
//   seed <random state>
//   shadows <0|1>
//   ticks <count>
//   T <µs>[*<repeat>] …          time steps of the ticks in microseconds, in order, on as many
//                                 lines as needed
//   E <tick> k|c|d|u|p|r|f <a> [<b>]  input before tick <tick> (from 0): key, character, mouse
//                                 button down, up, pad button, pad pulled out, focus lost
//   end
class Replay {
public:
    static constexpr int kFormatVersion = 1;
    // Longest tick a replay may hold (a minute in microseconds): the game never steps further.
    static constexpr uint32_t kMaxStepUs = 60'000'000;

    struct Event {
        // A pad button and a pulled pad come as the player's pad made them; a lost focus paused
        // the game in its window.
        enum class Kind : char {
            Key = 'k',
            Char = 'c',
            Down = 'd',
            Up = 'u',
            Pad = 'p',
            PadRemoved = 'r',
            FocusLost = 'f',
        };
        uint32_t tick = 0;  // arrives before this tick
        Kind kind = Kind::Key;
        int a = 0;
        int b = 0;
        bool operator==(const Event&) const = default;
    };

    std::string gameVersion;
    std::string dataHash;
    uint32_t seed = 0;
    bool shadows = true;
    std::vector<uint32_t> stepsUs;  // one per tick, in microseconds
    std::vector<Event> events;      // by tick

    void AddEvent(Event::Kind kind, int a, int b = 0) {
        events.push_back({static_cast<uint32_t>(stepsUs.size()), kind, a, b});
    }
    void AddTick(uint32_t us) { stepsUs.push_back(us); }

    std::string Serialize() const;
    // False with `error` saying what is wrong (the caller names the file).
    static bool Parse(std::string_view text, Replay& out, std::string& error);

    // Written to a temporary file beside the target and renamed over it, so that a failed write
    // never leaves a damaged replay. False with `error` naming the file.
    bool Save(const std::string& path, std::string& error) const;
    // False with `error` naming the file and what is wrong with it.
    static bool Load(const std::string& path, Replay& out, std::string& error);

    bool operator==(const Replay&) const = default;
};
