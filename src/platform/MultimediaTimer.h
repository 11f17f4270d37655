#pragma once

#include <cstdint>
#include <functional>

// Periodic timers in the manner of the multimedia timer: a callback every `periodMs`
// milliseconds on a timer thread (or, under the virtual clock, from AdvanceVirtualTime).
namespace platform {

using TimerId = uint32_t;  // 0 means "no timer"
using TimerCallback = std::function<void(TimerId)>;

// Starts a periodic timer; returns its id, or 0 when it cannot be started.
TimerId TimeSetEvent(uint32_t periodMs, TimerCallback callback);

// Stops the timer. Returns only after a callback of this timer that is running has finished;
// called from inside the timer's own callback it does not wait (that would deadlock).
bool TimeKillEvent(TimerId id);

// Timer resolution requests; they always succeed here.
bool TimeBeginPeriod(uint32_t periodMs);
bool TimeEndPeriod(uint32_t periodMs);

}  // namespace platform
