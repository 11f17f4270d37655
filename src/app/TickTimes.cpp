#include "app/TickTimes.h"

#include <time.h>

#include <cmath>
#include <cstdio>

namespace {

constexpr size_t kReservedTicks = 1 << 16;

// The processor time this thread has used: a tick's own cost, whatever else the machine runs.
double ThreadProcessorSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

int64_t MonotonicUs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

}  // namespace

bool TickTimes::Open(const std::string& path) {
    if (path.empty()) return true;
    path_ = path;
    file_.open(path);
    if (!file_) {
        std::fprintf(stderr, "reedjumper: cannot write the tick times to %s\n", path.c_str());
        return false;
    }
    ticks_.reserve(kReservedTicks);
    return true;
}

void TickTimes::Begin() {
    if (!file_.is_open()) return;
    beginUs_ = MonotonicUs();
    beginProcessor_ = ThreadProcessorSeconds();
}

void TickTimes::End() {
    if (!file_.is_open()) return;
    const double spent = ThreadProcessorSeconds() - beginProcessor_;
    ticks_.push_back({static_cast<int64_t>(std::llround(spent * 1e6)), beginUs_});
}

void TickTimes::Write() {
    if (!file_.is_open()) return;
    for (size_t i = 0; i < ticks_.size(); ++i) {
        file_ << (i + 1) << ' ' << ticks_[i].processorUs << ' ' << ticks_[i].startUs << '\n';
    }
    file_.flush();
    if (!file_) std::fprintf(stderr, "reedjumper: writing the tick times to %s failed\n", path_.c_str());
    file_.close();
}
