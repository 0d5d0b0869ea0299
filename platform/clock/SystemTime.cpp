#include "platform/clock/SystemTime.h"

#include <chrono>
#include <cstdint>

#include "platform/clock/CivilTime.h"
#include "platform/clock/Clock.h"
#include "platform/clock/ZoneSource.h"

namespace {

std::int64_t NowMsecs() {
    return platform::ClockNow().time_since_epoch().count();
}

}  // namespace

void GetSystemTime(SYSTEMTIME* time) {
    *time = platform::ToSystemTime(NowMsecs());
}

void GetLocalTime(SYSTEMTIME* time) {
    const std::int64_t now = NowMsecs();
    *time = platform::ToSystemTime(now + std::int64_t{platform::ZoneOffsetAt(now)} * 1000);
}

DWORD GetTimeZoneInformation(TIME_ZONE_INFORMATION* info) {
    return platform::ZoneRecordAt(NowMsecs(), info);
}
