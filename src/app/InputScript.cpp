#include "app/InputScript.h"

#include <array>
#include <sstream>

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
};

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
            error = where + "an event (key, char, down, up, focus or quit) must follow the tick";
            return false;
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
