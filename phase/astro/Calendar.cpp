#include "phase/astro/Calendar.h"

#include <cmath>

#include "phase/astro/PhaseTable.h"
#include "platform/clock/SystemTime.h"

int32_t ReadClock(ClockTime* time, int32_t local) {
    SYSTEMTIME now;
    if (local != 0) {
        GetLocalTime(&now);
    } else {
        GetSystemTime(&now);
    }
    time->seconds = static_cast<int32_t>(now.wSecond);
    time->minutes = static_cast<int32_t>(now.wMinute);
    time->hours = static_cast<int32_t>(now.wHour);
    time->dayOfMonth = static_cast<int32_t>(now.wDay);
    time->month = static_cast<int32_t>(now.wMonth) - 1;
    time->year = static_cast<int32_t>(now.wYear) - 1900;
    time->dayOfWeek = static_cast<int32_t>(now.wDayOfWeek);

    // Only the status matters here; the zone's details are not used.
    TIME_ZONE_INFORMATION zone;
    const DWORD status = GetTimeZoneInformation(&zone);
    time->daylight = status == TIME_ZONE_ID_DAYLIGHT ? 1 : 0;
    return static_cast<int32_t>(status);
}

double ClockToJulianDay(const ClockTime& time) {
    return DateToJulianDay(time.year + 1900, time.month, time.dayOfMonth, time.hours, time.minutes,
                           time.seconds);
}

double DateToJulianDay(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                       int32_t second) {
    // The year runs from March: January and February are months 13 and 14 of the year before.
    int32_t m = month + 1;
    int32_t y = year;
    if (m <= 2) {
        y = year - 1;
        m = m + 12;
    }

    // Dates up to 1582 October 4 are Julian-calendar dates. The boundary is the 5th, not the
    // 15th, so that the ten days dropped by the reform count as Gregorian.
    const bool julian = year < 1582 || (year == 1582 && (month < 9 || (month == 9 && day < 5)));
    int32_t b = 0;
    if (!julian) {
        const int32_t a = y / 100;
        b = 2 - a + a / 4;
    }

    const int32_t n = static_cast<int32_t>(365.25 * (y + 4716)) +
                      static_cast<int32_t>(30.6001 * (m + 1)) + day + b;
    const int32_t seconds = second + 60 * (minute + 60 * hour);
    return (n - 1524.5) + seconds / 86400.0;
}

void JulianDayToDate(double jd, int32_t* year, int32_t* month, int32_t* day) {
    const double x = jd + 0.5;
    const double z = std::floor(x);
    const double f = x - z;

    // 2299161 is 1582 October 15, the first day of the Gregorian calendar.
    double a = z;
    if (z >= 2299161) {
        const double alpha = std::floor((z - 1867216.25) / 36524.25);
        a = z + 1 + alpha - std::floor(alpha / 4);
    }
    const double b = a + 1524;
    const double q = std::floor((b - 122.1) / 365.25);
    const double d = b - std::floor(365.25 * q);
    const double e = std::floor(d / 30.6001);

    *day = static_cast<int32_t>(d - std::floor(30.6001 * e) + f);
    *month = static_cast<int32_t>(e < 14 ? e - 1 : e - 13);
    *year = static_cast<int32_t>(*month > 2 ? q - 4716 : q - 4715);
}

void JulianDayToTime(double jd, int32_t* hour, int32_t* minute, int32_t* second) {
    const double x = jd + 0.5;
    const double f = x - std::floor(x);
    // Rounded to the nearest second; no day is carried into the date, so the last half second
    // of a day reads as hour 24.
    const int32_t s = static_cast<int32_t>(f * 86400 + 0.5);
    *hour = s / 3600;
    *minute = (s / 60) % 60;
    *second = s % 60;
}

void JulianDayToEntry(double jd, PhaseEntry* entry) {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    JulianDayToDate(jd, &year, &month, &day);
    JulianDayToTime(jd, &hour, &minute, &second);
    entry->year = year;
    entry->month = month;
    entry->day = day;
    entry->hour = hour;
    entry->minute = minute;
}
