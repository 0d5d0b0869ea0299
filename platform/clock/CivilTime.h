// Breaking an instant, counted in milliseconds since 1970-01-01 00:00 on some time scale (UT or
// local wall-clock time), down into the calendar fields of a SYSTEMTIME, and back.
#pragma once

#include <cstdint>

#include "platform/clock/SystemTime.h"

namespace platform {

// The proleptic Gregorian calendar fields of the instant; years outside 1..65535 wrap.
SYSTEMTIME ToSystemTime(std::int64_t msecs);

// 1 January of the year, 00:00, in milliseconds since 1970.
std::int64_t YearStartMsecs(int year);

}  // namespace platform
