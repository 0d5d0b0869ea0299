// The machine zone's two daylight-saving rules turned into transition points of the current
// year, and the test whether a local date and hour lie inside the daylight-saving period.
#pragma once

#include <cstdint>

#include "platform/clock/SystemTime.h"

// One rule's transition in the current year.
struct TransitionPoint {
    int32_t month;  // 1-12
    int32_t day;    // day of the month
    int32_t hour;
};

// The transition of a rule: a relative rule (wYear 0) is resolved in the current year, a
// fixed rule gives its own wDay.
TransitionPoint TransitionPointOf(const SYSTEMTIME& rule);

// The day of the month, 1 to 31, on which a relative rule (the wDay-th wDayOfWeek of wMonth,
// wDay 5 meaning the last) falls in the year of the Universal Time clock.
int32_t TransitionDayOfMonth(const SYSTEMTIME& rule);

// True when the local month (1-12), day and hour lie inside the daylight period that starts
// at the daylight point and ends at the standard point; the period may span the turn of the
// year, as in the southern hemisphere.
bool InDaylightPeriod(int32_t month, int32_t day, int32_t hour, const TransitionPoint& standard,
                      const TransitionPoint& daylight);
