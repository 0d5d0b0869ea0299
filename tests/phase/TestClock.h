// Test helpers for code that reads the clock and the zone. Each test sets the clock and the
// zone it depends on.
#pragma once

#include <chrono>
#include <cstdlib>

#include "platform/clock/Clock.h"

inline platform::ClockInstant UtcInstant(int year, unsigned month, unsigned day, int hour = 0,
                                         int minute = 0) {
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / month / day} + hours{hour} + minutes{minute};
}

// Holds the process clock at an instant.
inline void SetClock(platform::ClockInstant instant) {
    platform::SetClock([instant] { return instant; });
}

// Holds the process clock at a Universal Time.
inline void SetUtc(int year, unsigned month, unsigned day, int hour = 0, int minute = 0) {
    SetClock(UtcInstant(year, month, day, hour, minute));
}

// The zone, as a name or a rule, that the zone source reads from TZ.
inline void SetZone(const char* tz) {
    setenv("TZ", tz, 1);
}
