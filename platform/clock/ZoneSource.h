// The system time zone as the clock calls read it: the zone named by TZ, or the machine's zone
// when TZ names none, expressed in the conventions of TIME_ZONE_INFORMATION. Expensive look-ups
// are cached and redone only when TZ, /etc/localtime or the instant leaves what they covered.
#pragma once

#include <cstdint>
#include <string>

#include "platform/clock/SystemTime.h"

namespace platform {

// Seconds east of Universal Time in force at the instant (0 when the zone cannot be read).
std::int32_t ZoneOffsetAt(std::int64_t utcMsecs);

// Fills *info with the zone's rules for the instant's UT year and returns the TIME_ZONE_ID_*
// status at the instant.
DWORD ZoneRecordAt(std::int64_t utcMsecs, TIME_ZONE_INFORMATION* info);

// The name of the zone now in force: its identifier in the time-zone database, or the TZ text
// as given when that names no readable zone.
std::string ZoneName();

}  // namespace platform
