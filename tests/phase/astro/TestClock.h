// Test helpers for code that reads the clock and the zone: the process clock held at a fixed
// Universal Time, and the zone named by TZ, each for the lifetime of a scope.
#pragma once

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/clock/Clock.h"

inline std::chrono::system_clock::time_point UtcInstant(int year, unsigned month, unsigned day,
                                                        int hour = 0, int minute = 0,
                                                        int second = 0) {
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / month / day} + hours{hour} + minutes{minute} +
           seconds{second};
}

class ScopedClock {
public:
    explicit ScopedClock(std::chrono::system_clock::time_point instant) {
        platform::SetClock([instant] { return instant; });
    }
    ~ScopedClock() { platform::SetClock({}); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;
};

class ScopedZone {
public:
    explicit ScopedZone(const char* tz) {
        if (const char* old = std::getenv("TZ")) {
            saved_ = old;
        }
        setenv("TZ", tz, 1);
    }
    ~ScopedZone() {
        if (saved_) {
            setenv("TZ", saved_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
    }
    ScopedZone(const ScopedZone&) = delete;
    ScopedZone& operator=(const ScopedZone&) = delete;

private:
    std::optional<std::string> saved_;
};
