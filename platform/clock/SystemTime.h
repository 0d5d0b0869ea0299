// The clock and time-zone records and calls that the phase calculation is written against,
// fed by the one replaceable clock (Clock.h) and the system's time zone. Plain C++: callers
// need no Qt.
#pragma once

#include "platform/Win32Types.h"

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;      // 1 = January
    WORD wDayOfWeek;  // 0 = Sunday
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

struct TIME_ZONE_INFORMATION {
    LONG Bias;  // minutes: Universal Time = local standard time + Bias
    wchar_t StandardName[32];
    SYSTEMTIME StandardDate;  // return to standard time
    LONG StandardBias;
    wchar_t DaylightName[32];
    SYSTEMTIME DaylightDate;  // start of daylight time
    LONG DaylightBias;        // minutes added to Bias while daylight time is in force
};

inline constexpr DWORD TIME_ZONE_ID_UNKNOWN = 0;
inline constexpr DWORD TIME_ZONE_ID_STANDARD = 1;
inline constexpr DWORD TIME_ZONE_ID_DAYLIGHT = 2;
inline constexpr DWORD TIME_ZONE_ID_INVALID = 0xFFFFFFFF;

// Universal Time of the clock.
void GetSystemTime(SYSTEMTIME* time);
// Local wall-clock time of the clock in the zone now in force.
void GetLocalTime(SYSTEMTIME* time);
// The system zone's rules at the instant of the clock; returns a TIME_ZONE_ID_* status.
// STANDARD or DAYLIGHT when the seasons change within the clock's UT year: the dates are then
// that year's changes in relative form (wYear 0, wDay 5 for the last such weekday), wHour the
// wall-clock hour at which the change happens. UNKNOWN when they do not: Bias is then the whole
// offset in force and the dates are empty. INVALID when the zone cannot be read: all zero.
// Time that the zone database keeps as daylight time below its standard time (a negative
// saving: Irish winter, Moroccan Ramadan) counts as standard time, the time next to it as
// daylight time. In every case Bias, with DaylightBias in daylight time, gives the offset in
// force at the instant. A year with more changes than one start and one return, or with a
// change of standard time, has more than the two dates can hold: they then bound the daylight
// time in force, or else the next in the year, or else the year's last; a bound outside the
// year is the year's last start or first return. An empty date (month 0) means none.
DWORD GetTimeZoneInformation(TIME_ZONE_INFORMATION* info);
