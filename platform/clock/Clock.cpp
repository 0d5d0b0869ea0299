#include "platform/clock/Clock.h"

#include <mutex>
#include <utility>

namespace platform {
namespace {

// The replaced source, if any. Guarded so that a test may swap it while another thread reads.
std::mutex& SourceMutex() {
    static std::mutex mutex;
    return mutex;
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

std::chrono::system_clock::time_point ClockNow() {
    ClockSource replaced;
    {
        std::lock_guard lock(SourceMutex());
        if (Source()) replaced = Source();
    }
    // Called outside the lock, so that a source may itself read the clock's other users.
    return replaced ? replaced() : std::chrono::system_clock::now();
}

}  // namespace platform
