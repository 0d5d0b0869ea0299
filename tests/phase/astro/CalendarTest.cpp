#include "phase/astro/Calendar.h"

#include <gtest/gtest.h>

#include <tuple>

#include "phase/astro/PhaseTable.h"
#include "platform/clock/SystemTime.h"
#include "tests/phase/astro/TestClock.h"

namespace {

struct DateCase {
    int32_t year, month0, day, hour, minute, second;
    double jd;
};

// Constants, the March-based year, the October 1582 switch and out-of-range hours.
TEST(DateToJulianDay, GivesTheJulianDayOfCivilDates) {
    const DateCase cases[] = {
        {2000, 0, 1, 12, 0, 0, 2451545.0},    {1900, 0, 1, 0, 0, 0, 2415020.5},
        {2009, 10, 15, 0, 0, 0, 2455150.5},   {2009, 10, 14, 24, 0, 0, 2455150.5},
        {1582, 9, 15, 0, 0, 0, 2299160.5},    {1582, 9, 4, 0, 0, 0, 2299159.5},
        {2009, 0, 31, 0, 0, 0, 2454862.5},    {2009, 1, 1, 0, 0, 0, 2454863.5},
        {2009, 11, 31, 18, 0, 0, 2455197.25}, {-4712, 0, 1, 12, 0, 0, 0.0},
    };
    for (const DateCase& c : cases) {
        EXPECT_DOUBLE_EQ(DateToJulianDay(c.year, c.month0, c.day, c.hour, c.minute, c.second), c.jd)
            << c.year << "-" << c.month0 + 1 << "-" << c.day << " " << c.hour;
    }
    EXPECT_NEAR(DateToJulianDay(1957, 9, 4, 19, 26, 24), 2436116.31, 1e-6);
}

struct BackCase {
    double jd;
    int32_t year, month, day, hour, minute, second;
};

// Both calendars, century years, and rounding to the second without carrying into the date.
TEST(JulianDayToDateAndTime, GiveTheCivilDateAndClockTime) {
    const BackCase cases[] = {
        {2436116.31, 1957, 10, 4, 19, 26, 24},
        {2299160.5, 1582, 10, 15, 0, 0, 0},
        {2299159.5, 1582, 10, 4, 0, 0, 0},
        {2454862.5, 2009, 1, 31, 0, 0, 0},
        {2454863.5, 2009, 2, 1, 0, 0, 0},
        {2415078.5, 1900, 2, 28, 0, 0, 0},
        {2415079.5, 1900, 3, 1, 0, 0, 0},
        {2451603.5, 2000, 2, 29, 0, 0, 0},
        {2455197.25, 2009, 12, 31, 18, 0, 0},
        {2455150.5 - 0.6 / 86400, 2009, 11, 14, 23, 59, 59},
        {2455150.5 - 0.3 / 86400, 2009, 11, 14, 24, 0, 0},
    };
    for (const BackCase& c : cases) {
        int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
        JulianDayToDate(c.jd, &year, &month, &day);
        JulianDayToTime(c.jd, &hour, &minute, &second);
        EXPECT_EQ(year, c.year) << c.jd;
        EXPECT_EQ(month, c.month) << c.jd;
        EXPECT_EQ(day, c.day) << c.jd;
        EXPECT_EQ(hour, c.hour) << c.jd;
        EXPECT_EQ(minute, c.minute) << c.jd;
        EXPECT_EQ(second, c.second) << c.jd;
    }
}

TEST(JulianDayToEntry, WritesDateAndMinuteAndLeavesTheFraction) {
    const struct {
        double jd;
        PhaseEntry expected;
    } cases[] = {
        // The second is dropped, not rounded into the minute.
        {DateToJulianDay(1957, 9, 4, 19, 26, 40), {1957, 10, 4, 19, 26, 0.75}},
        // The last half second of a day is hour 24 of that day.
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

struct ClockCase {
    const char* zone;
    int32_t local;
    ClockTime expected;
    int32_t status;
};

// The snapshot's fields, the daylight flag from the zone status, and the untouched day of year.
TEST(ReadClock, FillsTheSnapshotFromTheClock) {
    SetClock(UtcInstant(2009, 11, 15, 0, 0, 0));
    const ClockCase cases[] = {
        {"UTC", 0, {0, 0, 0, 15, 10, 109, 0, 77, 0}, TIME_ZONE_ID_UNKNOWN},
        {"CET-1CEST,M3.5.0,M10.5.0/3", 0, {0, 0, 0, 15, 10, 109, 0, 77, 0}, TIME_ZONE_ID_STANDARD},
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1, {0, 0, 1, 15, 10, 109, 0, 77, 0}, TIME_ZONE_ID_STANDARD},
        {"America/New_York", 1, {0, 0, 19, 14, 10, 109, 6, 77, 0}, TIME_ZONE_ID_STANDARD},
        {"Australia/Sydney", 1, {0, 0, 11, 15, 10, 109, 0, 77, 1}, TIME_ZONE_ID_DAYLIGHT},
        {"Nowhere/Nothing",
         0,
         {0, 0, 0, 15, 10, 109, 0, 77, 0},
         static_cast<int32_t>(TIME_ZONE_ID_INVALID)},
    };
    for (const ClockCase& c : cases) {
        SetZone(c.zone);
        ClockTime time{};
        time.dayOfYear = 77;
        EXPECT_EQ(ReadClock(&time, c.local), c.status) << c.zone;
        EXPECT_EQ(Fields(time), Fields(c.expected)) << c.zone;
    }
}

TEST(ClockToJulianDay, ConvertsAUniversalSnapshot) {
    SetClock(UtcInstant(2009, 11, 15, 0, 0, 0));
    ClockTime time{};
    ReadClock(&time, 0);
    EXPECT_DOUBLE_EQ(ClockToJulianDay(time), 2455150.5);
}

}  // namespace
