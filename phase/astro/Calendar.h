// Calendar arithmetic of the phase calculation: the clock snapshot every calculation starts
// from, and conversions between civil dates and Julian days (days and fractions of a day,
// whole values at noon; 2000 January 1, 12:00:00 is 2451545.0).
#pragma once

#include <cstdint>

struct PhaseEntry;

// The broken-down clock record, in the field order and encoding of the POSIX tm record.
struct ClockTime {
    int32_t seconds;     // 0-59
    int32_t minutes;     // 0-59
    int32_t hours;       // 0-23
    int32_t dayOfMonth;  // 1-31
    int32_t month;       // 0-11, January = 0
    int32_t year;        // years since 1900
    int32_t dayOfWeek;   // 0-6, Sunday = 0
    int32_t dayOfYear;   // never written by ReadClock
    int32_t daylight;    // 1 exactly when daylight saving time is in force now
};

// Fills the record from the clock: local wall-clock time when local is non-zero, else
// Universal Time. Returns the zone query's status (a TIME_ZONE_ID_* value).
int32_t ReadClock(ClockTime* time, int32_t local);

// The Julian day of a filled snapshot.
double ClockToJulianDay(const ClockTime& time);

// The Julian day of a civil date and time; month is 0-based (January = 0). Dates before
// 1582 October 5 are Julian-calendar dates, later ones Gregorian. Out-of-range hours, minutes
// and seconds simply add their seconds.
double DateToJulianDay(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                       int32_t second);

// The civil date of a Julian day, month 1-12; the fraction of the day is dropped.
void JulianDayToDate(double jd, int32_t* year, int32_t* month, int32_t* day);

// The clock time of a Julian day, rounded to the nearest second; an instant less than half a
// second before midnight gives hour 24 of the ending day.
void JulianDayToTime(double jd, int32_t* hour, int32_t* minute, int32_t* second);

// Writes year, month, day, hour and minute of the entry from a Julian day; seconds are
// dropped, not rounded into the minute.
void JulianDayToEntry(double jd, PhaseEntry* entry);
