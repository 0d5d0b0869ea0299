// The one clock that everything reading the time goes through: the system clock unless a
// test, or the command line's --at, puts another source in its place.
#pragma once

#include <chrono>
#include <functional>

namespace platform {

using ClockSource = std::function<std::chrono::system_clock::time_point()>;

// Replaces the clock for the whole process; an empty source restores the system clock.
void SetClock(ClockSource source);

// The current instant of the clock.
std::chrono::system_clock::time_point ClockNow();

}  // namespace platform
