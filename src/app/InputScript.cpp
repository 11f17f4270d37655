#include "app/InputScript.h"

#include <array>
#include <sstream>

#include "platform/Gamepads.h"

namespace {

struct EventSyntax {
    const char* word;
    InputEvent::Kind kind;
    int arguments;
    int minValue;
    int maxValue;
};

// Keys and characters are bytes; mouse positions may lie a little off the 800 × 600 picture
// (the letterbox bars), within the 16 bits a mouse message carries.
constexpr std::array kSyntax{
    EventSyntax{"key", InputEvent::Kind::Key, 1, 1, 255},
    EventSyntax{"char", InputEvent::Kind::Char, 1, 1, 255},
    EventSyntax{"down", InputEvent::Kind::Down, 2, -32768, 32767},
    EventSyntax{"up", InputEvent::Kind::Up, 2, -32768, 32767},
    EventSyntax{"focus", InputEvent::Kind::Focus, 1, 0, 1},
    EventSyntax{"quit", InputEvent::Kind::Quit, 0, 0, 0},
    EventSyntax{"lose", InputEvent::Kind::LoseSurfaces, 0, 0, 0},
};

// Pad buttons by their script names, in platform::PadButton order.
constexpr std::array<const char*, platform::kPadButtonCount> kPadButtonNames{"up", "down", "left",  "right",
                                                                             "a",  "b",    "start", "back"};
constexpr int kStickMin = -32768;
constexpr int kStickMax = 32767;
constexpr int kMaxPadId = 1000000;

bool ReadWholeInt(std::istringstream& words, int& value);

// The rest of a pad line: "<id> added|removed|down <button>|up <button>|stick <x> <y>". Empty when
// it is well formed, else what is wrong.
std::string ParsePad(std::istringstream& words, InputEvent& event) {
    if (!ReadWholeInt(words, event.a) || event.a < 0 || event.a > kMaxPadId) {
        return "\"pad\" needs a pad number from 0 to " + std::to_string(kMaxPadId);
    }
    std::string what;
    words >> what;
    if (what == "added" || what == "removed") {
        event.kind = what == "added" ? InputEvent::Kind::PadAdded : InputEvent::Kind::PadRemoved;
        return {};
    }
    if (what == "down" || what == "up") {
        event.kind = what == "down" ? InputEvent::Kind::PadDown : InputEvent::Kind::PadUp;
        std::string name;
        words >> name;
        for (size_t i = 0; i < kPadButtonNames.size(); ++i) {
            if (name == kPadButtonNames[i]) {
                event.b = static_cast<int>(i);
                return {};
            }
        }
        return "\"pad " + what + "\" needs a button: up, down, left, right, a, b, start or back";
    }
    if (what == "stick") {
        event.kind = InputEvent::Kind::PadStick;
        if (ReadWholeInt(words, event.b) && ReadWholeInt(words, event.c) && event.b >= kStickMin &&
            event.b <= kStickMax && event.c >= kStickMin && event.c <= kStickMax) {
            return {};
        }
        return "\"pad stick\" needs x and y from " + std::to_string(kStickMin) + " to " + std::to_string(kStickMax);
    }
    return "\"pad\" needs added, removed, down, up or stick after the pad number";
}

bool ReadWholeInt(std::istringstream& words, int& value) {
    std::string word;
    if (!(words >> word)) return false;
    size_t used = 0;
    try {
        value = std::stoi(word, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == word.size();
}

}  // namespace

bool ParseInputScript(std::istream& in, const std::string& name, std::vector<InputEvent>& events, std::string& error) {
    std::string line;
    int lineNumber = 0;
    int lastTick = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string where = name + ":" + std::to_string(lineNumber) + ": ";
        if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string first;
        if (!(words >> first)) continue;
        words.clear();
        words.seekg(0);
        InputEvent event;
        if (!ReadWholeInt(words, event.tick) || event.tick < 0) {
            error = where + "expected a tick number from 0 at the start of \"" + line + "\"";
            return false;
        }
        if (event.tick < lastTick) {
            error = where + "tick " + std::to_string(event.tick) + " comes after tick " + std::to_string(lastTick);
            return false;
        }
        std::string word;
        if (!(words >> word)) {
            error = where + "an event (key, char, down, up, focus, quit, lose or pad) must follow the tick";
            return false;
        }
        if (word == "pad") {
            if (const std::string problem = ParsePad(words, event); !problem.empty()) {
                error = where + problem;
                return false;
            }
            if (std::string extra; words >> extra) {
                error = where + "unexpected \"" + extra + "\" after the event";
                return false;
            }
            lastTick = event.tick;
            events.push_back(event);
            continue;
        }
        const EventSyntax* syntax = nullptr;
        for (const EventSyntax& s : kSyntax) {
            if (word == s.word) syntax = &s;
        }
        if (!syntax) {
            error = where + "unknown event \"" + word + "\"";
            return false;
        }
        event.kind = syntax->kind;
        int* values[] = {&event.a, &event.b};
        for (int i = 0; i < syntax->arguments; ++i) {
            if (!ReadWholeInt(words, *values[i]) || *values[i] < syntax->minValue || *values[i] > syntax->maxValue) {
                error = where + "\"" + word + "\" needs " + std::to_string(syntax->arguments) +
                        " whole number(s) from " + std::to_string(syntax->minValue) + " to " +
                        std::to_string(syntax->maxValue);
                return false;
            }
        }
        if (std::string extra; words >> extra) {
            error = where + "unexpected \"" + extra + "\" after the event";
            return false;
        }
        lastTick = event.tick;
        events.push_back(event);
    }
    return true;
}
