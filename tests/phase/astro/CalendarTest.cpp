#include "phase/astro/Calendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <tuple>

#include "phase/astro/PhaseTable.h"
#include "platform/clock/SystemTime.h"
#include "tests/phase/TestClock.h"

namespace {

struct DateCase {
    int32_t year, month, day, hour, minute, second;  // month 1-12
    double jd;
};

// Both ways between civil dates and Julian days: the epochs, the March-based year, century
// years, the October 1582 switch and the Julian calendar before it.
TEST(Calendar, ConvertsBetweenCivilDatesAndJulianDays) {
    const DateCase cases[] = {
        {2000, 1, 1, 12, 0, 0, 2451545.0},  {1900, 1, 1, 0, 0, 0, 2415020.5},
        {-4712, 1, 1, 12, 0, 0, 0.0},       {1957, 10, 4, 19, 26, 24, 2436116.31},
        {1582, 10, 15, 0, 0, 0, 2299160.5}, {1582, 10, 4, 0, 0, 0, 2299159.5},
        {2009, 1, 31, 0, 0, 0, 2454862.5},  {2009, 2, 1, 0, 0, 0, 2454863.5},
        {1900, 2, 28, 0, 0, 0, 2415078.5},  {1900, 3, 1, 0, 0, 0, 2415079.5},
        {2000, 2, 29, 0, 0, 0, 2451603.5},  {2009, 12, 31, 18, 0, 0, 2455197.25},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.jd);
        EXPECT_NEAR(DateToJulianDay(c.year, c.month - 1, c.day, c.hour, c.minute, c.second), c.jd,
                    1e-8);
        DateCase back{};
        JulianDayToDate(c.jd, &back.year, &back.month, &back.day);
        JulianDayToTime(c.jd, &back.hour, &back.minute, &back.second);
        EXPECT_EQ(std::tie(back.year, back.month, back.day, back.hour, back.minute, back.second),
                  std::tie(c.year, c.month, c.day, c.hour, c.minute, c.second));
    }
    // Out-of-range hours add their seconds.
    EXPECT_DOUBLE_EQ(DateToJulianDay(2009, 10, 14, 24, 0, 0), 2455150.5);
}

// The time is rounded to the second, then the second is dropped, not rounded into the minute:
// the last half second of a day is hour 24 of that day.
TEST(JulianDayToEntry, WritesDateAndMinuteAndLeavesTheFraction) {
    const struct {
        double jd;
        PhaseEntry expected;
    } cases[] = {
        {DateToJulianDay(1957, 9, 4, 19, 26, 40), {1957, 10, 4, 19, 26, 0.75}},
        {2455150.5 - 0.6 / 86400, {2009, 11, 14, 23, 59, 0.75}},
        {2455150.5 - 0.3 / 86400, {2009, 11, 14, 24, 0, 0.75}},
    };
    for (const auto& c : cases) {
        PhaseEntry entry{0, 0, 0, 0, 0, 0.75};
        JulianDayToEntry(c.jd, &entry);
        EXPECT_EQ(std::tie(entry.year, entry.month, entry.day, entry.hour, entry.minute),
                  std::tie(c.expected.year, c.expected.month, c.expected.day, c.expected.hour,
                           c.expected.minute));
        EXPECT_EQ(entry.fraction, 0.75);
    }
}

auto Fields(const ClockTime& t) {
    return std::tie(t.seconds, t.minutes, t.hours, t.dayOfMonth, t.month, t.year, t.dayOfWeek,
                    t.dayOfYear, t.daylight);
}

// The snapshot's fields, the daylight flag from the zone status, and the untouched day of year.
TEST(ReadClock, FillsTheSnapshotFromTheClock) {
    SetUtc(2009, 11, 15);
    const struct {
        const char* zone;
        int32_t local;
        ClockTime expected;
        DWORD status;
    } cases[] = {
        {"UTC", 0, {0, 0, 0, 15, 10, 109, 0, 77, 0}, TIME_ZONE_ID_UNKNOWN},
        {"America/New_York", 0, {0, 0, 0, 15, 10, 109, 0, 77, 0}, TIME_ZONE_ID_STANDARD},
        {"America/New_York", 1, {0, 0, 19, 14, 10, 109, 6, 77, 0}, TIME_ZONE_ID_STANDARD},
        {"Australia/Sydney", 1, {0, 0, 11, 15, 10, 109, 0, 77, 1}, TIME_ZONE_ID_DAYLIGHT},
        {"Nowhere/Nothing", 0, {0, 0, 0, 15, 10, 109, 0, 77, 0}, TIME_ZONE_ID_INVALID},
    };
    for (const auto& c : cases) {
        SetZone(c.zone);
        ClockTime time{};
        time.dayOfYear = 77;
        EXPECT_EQ(ReadClock(&time, c.local), static_cast<int32_t>(c.status)) << c.zone;
        EXPECT_EQ(Fields(time), Fields(c.expected)) << c.zone;
        if (c.local == 0) {
            EXPECT_DOUBLE_EQ(ClockToJulianDay(time), 2455150.5) << c.zone;
        }
    }
}

// The snapshot of a clock outside the years that a count of nanoseconds since 1970 holds.
TEST(ReadClock, ReadsAClockOfAnyYear) {
    using namespace std::chrono;
    SetZone("UTC");
    for (const year_month_day date :
         {1600y / 3 / 1, 1677y / 9 / 21, 2262y / 4 / 12, 2300y / 6 / 15, 9999y / 12 / 31}) {
        SetClock(sys_days{date} + 23h + 59min);
        ClockTime time{};
        ReadClock(&time, 0);
        const int32_t year = static_cast<int>(date.year());
        const int32_t month = static_cast<unsigned>(date.month()) - 1;
        const int32_t day = static_cast<unsigned>(date.day());
        const int32_t weekday =
            static_cast<int32_t>(std::chrono::weekday{sys_days{date}}.c_encoding());
        EXPECT_EQ(Fields(time),
                  Fields(ClockTime{0, 59, 23, day, month, year - 1900, weekday, 0, 0}))
            << year;
        EXPECT_DOUBLE_EQ(ClockToJulianDay(time), DateToJulianDay(year, month, day, 23, 59, 0));
    }
}

}  // namespace
