// The one clock that everything reading the time goes through: the system clock unless a
// test, or the command line's --at, puts another source in its place.
#pragma once

#include <chrono>
#include <functional>

namespace platform {

// An instant in milliseconds since 1970 on 64 bits: it holds every date the programs meet,
// from before 1600 to after 9999 (the standard clock's nanoseconds end in 2262).
using ClockInstant = std::chrono::sys_time<std::chrono::milliseconds>;

using ClockSource = std::function<ClockInstant()>;

// Replaces the clock for the whole process; an empty source restores the system clock.
void SetClock(ClockSource source);

// The current instant of the clock.
ClockInstant ClockNow();

}  // namespace platform
