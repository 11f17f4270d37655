#pragma once

#include <cstdint>

// The game's millisecond clock: milliseconds since start as an unsigned 32-bit count that wraps
// (the frame tick measures differences, which survive the wrap).
//
// Headless runs switch to a virtual clock that only the runner advances; advancing it also fires
// the periodic timers (MultimediaTimer.h) that fall due, on the calling thread, in time order.
namespace platform {

uint32_t TimeGetTime();
// The same clock in microseconds, 64-bit (no wrap): the frame pacing's sub-millisecond time.
uint64_t TimeGetMicroseconds();

void UseVirtualClock(bool on);
bool IsVirtualClock();
// Virtual clock only: moves time forward by `ms` and runs the timer callbacks that fall due.
void AdvanceVirtualTime(uint32_t ms);

}  // namespace platform
