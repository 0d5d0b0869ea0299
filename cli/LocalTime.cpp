#include "cli/LocalTime.h"

#include <initializer_list>

#include "platform/clock/ZoneSource.h"

namespace cli {

using namespace std::chrono;

namespace {

// No zone changes its offset twice within this span of an instant, and no offset is larger.
constexpr hours kSpan{26};

}  // namespace

minutes OffsetAt(sys_seconds instant) {
    const std::int64_t msecs = duration_cast<milliseconds>(instant.time_since_epoch()).count();
    return minutes{platform::ZoneOffsetAt(msecs) / 60};
}

local_seconds ToLocal(sys_seconds instant) {
    return local_seconds{instant.time_since_epoch() + OffsetAt(instant)};
}

sys_seconds FirstAtOrAfter(local_seconds wall) {
    // Each offset in force near the wall-clock time, applied to it, gives an instant that shows
    // it exactly when that offset is in force then.
    const sys_seconds asUt{wall.time_since_epoch()};
    const minutes before = OffsetAt(asUt - kSpan);
    const minutes after = OffsetAt(asUt + kSpan);
    std::optional<sys_seconds> earliest;
    for (const minutes offset : {before, OffsetAt(asUt), after}) {
        const sys_seconds candidate = asUt - offset;
        if (OffsetAt(candidate) == offset && (!earliest || candidate < *earliest)) {
            earliest = candidate;
        }
    }
    if (earliest) {
        return *earliest;
    }

    // Skipped: the clocks move on from `before` to the larger `after` at some instant in
    // (wall - after, wall - before]; at it the wall clock passes `wall`.
    sys_seconds lo = asUt - after, hi = asUt - before;
    if (lo >= hi || OffsetAt(lo) != before) {
        return hi;
    }
    while (hi - lo > seconds{1}) {
        const sys_seconds mid = lo + (hi - lo) / 2;
        (OffsetAt(mid) == before ? lo : hi) = mid;
    }
    return hi;
}

std::optional<sys_seconds> FromLocal(local_seconds wall) {
    const sys_seconds instant = FirstAtOrAfter(wall);
    if (ToLocal(instant) != wall) {
        return std::nullopt;
    }
    return instant;
}

}  // namespace cli
