#include "platform/MultimediaTimer.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "platform/Clock.h"
#include "platform/VirtualTimers.h"

namespace platform {
namespace {
using SteadyClock = std::chrono::steady_clock;

struct Timer {
    TimerId id = 0;
    uint32_t periodMs = 0;
    TimerCallback callback;
    bool isVirtual = false;
    uint64_t nextDue = 0;  // virtual timers: virtual milliseconds

    std::atomic<bool> killed{false};
    // Held while the callback runs, so that a kill from elsewhere can wait for it to end.
    std::mutex callMutex;
    std::atomic<std::thread::id> callingThread{};

    // Thread timers only.
    std::thread thread;
    std::mutex wakeMutex;
    std::condition_variable wake;
};

struct Registry {
    std::mutex mutex;
    std::map<TimerId, std::shared_ptr<Timer>> timers;
    TimerId nextId = 1;
};

Registry& Timers() {
    static Registry registry;
    return registry;
}

void RunCallback(Timer& timer) {
    std::lock_guard call(timer.callMutex);
    if (timer.killed) return;
    timer.callingThread = std::this_thread::get_id();
    timer.callback(timer.id);
    timer.callingThread = std::thread::id{};
}

void ThreadLoop(std::shared_ptr<Timer> timer) {
    const auto period = std::chrono::milliseconds(timer->periodMs);
    auto next = SteadyClock::now() + period;
    for (;;) {
        {
            std::unique_lock lock(timer->wakeMutex);
            if (timer->wake.wait_until(lock, next, [&] { return timer->killed.load(); })) return;
        }
        RunCallback(*timer);
        next += period;
        // A stalled machine skips the ticks it missed instead of firing them in a burst.
        const auto now = SteadyClock::now();
        if (next < now) next = now + period;
    }
}
}  // namespace

TimerId TimeSetEvent(uint32_t periodMs, TimerCallback callback) {
    if (periodMs == 0 || !callback) return 0;
    auto timer = std::make_shared<Timer>();
    timer->periodMs = periodMs;
    timer->callback = std::move(callback);
    timer->isVirtual = IsVirtualClock();
    Registry& registry = Timers();
    {
        std::lock_guard lock(registry.mutex);
        timer->id = registry.nextId++;
        if (registry.nextId == 0) registry.nextId = 1;
        if (timer->isVirtual) timer->nextDue = detail::VirtualNow() + periodMs;
        registry.timers[timer->id] = timer;
    }
    if (!timer->isVirtual) {
        // The thread's first step takes wakeMutex, so it cannot run (and kill itself) before
        // `thread` is assigned.
        std::lock_guard startLock(timer->wakeMutex);
        try {
            timer->thread = std::thread(ThreadLoop, timer);
        } catch (const std::system_error&) {
            std::lock_guard registryLock(registry.mutex);
            registry.timers.erase(timer->id);
            return 0;
        }
    }
    return timer->id;
}

bool TimeKillEvent(TimerId id) {
    std::shared_ptr<Timer> timer;
    {
        Registry& registry = Timers();
        std::lock_guard lock(registry.mutex);
        const auto it = registry.timers.find(id);
        if (it == registry.timers.end()) return false;
        timer = it->second;
        registry.timers.erase(it);
    }
    {
        std::lock_guard lock(timer->wakeMutex);
        timer->killed = true;
    }
    timer->wake.notify_all();
    const bool fromOwnCallback = timer->callingThread.load() == std::this_thread::get_id();
    if (timer->thread.joinable()) {
        if (fromOwnCallback || timer->thread.get_id() == std::this_thread::get_id()) {
            timer->thread.detach();  // the thread ends by itself once the callback returns
        } else {
            timer->thread.join();
        }
    } else if (!fromOwnCallback) {
        std::lock_guard wait(timer->callMutex);  // a virtual callback running on another thread
    }
    return true;
}

bool TimeBeginPeriod(uint32_t) { return true; }
bool TimeEndPeriod(uint32_t) { return true; }

namespace detail {

std::optional<uint64_t> EarliestVirtualDue() {
    Registry& registry = Timers();
    std::lock_guard lock(registry.mutex);
    std::optional<uint64_t> earliest;
    for (const auto& [id, timer] : registry.timers) {
        if (timer->isVirtual && (!earliest || timer->nextDue < *earliest)) earliest = timer->nextDue;
    }
    return earliest;
}

void FireVirtualTimersDue(uint64_t now) {
    // Collected first: callbacks may start or kill timers.
    std::vector<std::shared_ptr<Timer>> due;
    {
        Registry& registry = Timers();
        std::lock_guard lock(registry.mutex);
        for (const auto& [id, timer] : registry.timers) {
            if (timer->isVirtual && timer->nextDue <= now) {
                due.push_back(timer);
                timer->nextDue += timer->periodMs;
            }
        }
    }
    // Ties go to the older timer (lower id), which the map order already gives.
    for (const auto& timer : due) RunCallback(*timer);
}

}  // namespace detail

}  // namespace platform
