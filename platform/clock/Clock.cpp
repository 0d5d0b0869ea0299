#include "platform/clock/Clock.h"

#include <time.h>

#include <mutex>
#include <utility>

namespace platform {
namespace {

// The replaced source, if any. Guarded so that a test may swap it while another thread reads.
std::mutex& SourceMutex() {
    static std::mutex mutex;
    return mutex;
}

// The system clock read as seconds and nanoseconds, so that a clock set outside the years
// that the standard clock's nanosecond count holds is read as it stands.
ClockInstant SystemNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    using namespace std::chrono;
    return ClockInstant{seconds{now.tv_sec} + floor<milliseconds>(nanoseconds{now.tv_nsec})};
}

ClockSource& Source() {
    static ClockSource source;
    return source;
}

}  // namespace

void SetClock(ClockSource source) {
    std::lock_guard lock(SourceMutex());
    Source() = std::move(source);
}

ClockInstant ClockNow() {
    ClockSource replaced;
    {
        std::lock_guard lock(SourceMutex());
        if (Source()) replaced = Source();
    }
    // Called outside the lock, so that a source may itself read the clock's other users.
    return replaced ? replaced() : SystemNow();
}

}  // namespace platform
