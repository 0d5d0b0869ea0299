// Helpers for the clock and zone tests: fixing the clock at an instant and choosing the zone
// through TZ for the length of one test.
#pragma once

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/clock/Clock.h"

namespace clocktest {

using Instant = platform::ClockInstant;

inline Instant Utc(int y, unsigned mo, unsigned d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    using namespace std::chrono;
    return sys_days{year{y} / mo / d} + hours{h} + minutes{mi} + seconds{s} + milliseconds{ms};
}

inline void FixClock(Instant at) {
    platform::SetClock([at] { return at; });
}

// Sets TZ (or unsets it for nullopt) for the C library and the clock alike.
inline void UseZone(const std::optional<std::string>& zone) {
    if (zone)
        setenv("TZ", zone->c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

// Restores the system clock and the test's original TZ when a test ends.
class ClockAndZoneGuard {
public:
    ~ClockAndZoneGuard() {
        platform::SetClock({});
        UseZone(saved_);
    }

private:
    const char* tz_ = std::getenv("TZ");
    const std::optional<std::string> saved_ = tz_ ? std::optional<std::string>(tz_) : std::nullopt;
};

}  // namespace clocktest
