#pragma once

#include <cstdint>
#include <optional>

// The link between the virtual clock and the timers that run on it (internal to the platform).
// Virtual time is kept as a 64-bit count; the game sees its low 32 bits.
namespace platform::detail {

uint64_t VirtualNow();

// The earliest due time of any virtual timer, if there is one.
std::optional<uint64_t> EarliestVirtualDue();

// Runs, once each, the virtual timers due at or before `now` (the clock already shows `now`).
void FireVirtualTimersDue(uint64_t now);

}  // namespace platform::detail
