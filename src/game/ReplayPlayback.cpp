#include "game/ReplayPlayback.h"

std::optional<uint32_t> ReplayPlayback::StepUs() const {
    if (tick_ >= replay_.stepsUs.size()) return std::nullopt;
    return replay_.stepsUs[tick_];
}

bool ReplayPlayback::Next(Game&, std::vector<Replay::Event>& input) {
    if (tick_ >= replay_.stepsUs.size()) return false;
    for (; event_ < replay_.events.size() && replay_.events[event_].tick == tick_; ++event_) {
        input.push_back(replay_.events[event_]);
    }
    ++tick_;
    return true;
}
