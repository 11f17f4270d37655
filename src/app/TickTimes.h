#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// What each game tick cost, for the benchmarks (--tick-times): per tick the processor time this
// thread spent in it and the steady clock at its start, kept in memory and written when the run
// ends, so that the measuring does not disturb what it measures. One line per tick:
// "<tick> <processor us> <start us>"; the start is the system's monotonic clock, so a script
// can set it beside its own launch time (first frame) and read the intervals (pacing).
class TickTimes final {
public:
    // False with one line on standard error when the file cannot be written. Empty: no record.
    bool Open(const std::string& path);
    bool IsOpen() const { return file_.is_open(); }
    void Begin();
    void End();
    // Writes the lines; one line on standard error when that fails.
    void Write();

private:
    struct Tick {
        int64_t processorUs;
        int64_t startUs;
    };
    std::string path_;
    std::ofstream file_;
    std::vector<Tick> ticks_;
    double beginProcessor_ = 0.0;
    int64_t beginUs_ = 0;
};
