#include "platform/Clock.h"

#include <atomic>
#include <chrono>
#include <mutex>

#include "platform/VirtualTimers.h"

namespace platform {
namespace {
using SteadyClock = std::chrono::steady_clock;

const SteadyClock::time_point g_start = SteadyClock::now();
std::atomic<bool> g_virtual{false};
std::atomic<uint64_t> g_virtualNow{0};
// One advance at a time, so that timers fire in one global order.
std::mutex g_advanceMutex;
}  // namespace

uint32_t TimeGetTime() {
    if (g_virtual) return static_cast<uint32_t>(g_virtualNow.load());
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - g_start);
    return static_cast<uint32_t>(elapsed.count());
}

uint64_t TimeGetMicroseconds() {
    if (g_virtual) return g_virtualNow.load() * 1000u;
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(SteadyClock::now() - g_start);
    return static_cast<uint64_t>(elapsed.count());
}

void UseVirtualClock(bool on) { g_virtual = on; }
bool IsVirtualClock() { return g_virtual; }

void AdvanceVirtualTime(uint32_t ms) {
    std::lock_guard lock(g_advanceMutex);
    const uint64_t target = g_virtualNow + ms;
    for (;;) {
        const std::optional<uint64_t> due = detail::EarliestVirtualDue();
        if (!due || *due > target) break;
        if (*due > g_virtualNow) g_virtualNow = *due;
        detail::FireVirtualTimersDue(g_virtualNow);
    }
    g_virtualNow = target;
}

namespace detail {
uint64_t VirtualNow() { return g_virtualNow; }
}  // namespace detail

}  // namespace platform
