#pragma once

#include <cstdint>
#include <optional>

// When the next frame is due, on absolute deadlines: each deadline is the previous one plus the
// period, so a wake-up that comes late shortens the wait for the next frame instead of being lost
// (a millisecond-late wake-up every frame would otherwise turn 50 frames a second into 48). A
// frame that comes a whole period or more late (a stall, a debugger) starts the deadlines afresh
// from itself, so the game never races to catch up. Times are microseconds of one clock.
namespace platform {

class FramePacer final {
public:
    explicit FramePacer(uint64_t periodUs) : periodUs_(periodUs) {}

    // Starts the count at `now`: the first frame is due one period later.
    void Restart(uint64_t now);
    // When a frame is due at `now`: the time elapsed since the frame before (or the restart), and
    // the next deadline is set. Empty when it is not yet time.
    std::optional<uint64_t> Take(uint64_t now);
    // Time left until the next deadline (0 when due, or before the first restart).
    uint64_t Remaining(uint64_t now) const;
    bool Started() const { return started_; }

private:
    uint64_t periodUs_;
    uint64_t last_ = 0;
    uint64_t deadline_ = 0;
    bool started_ = false;
};

}  // namespace platform
