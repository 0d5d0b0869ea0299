#include "phase/astro/PhaseTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <span>
#include <string>
#include <tuple>

#include "phase/strip/PhaseStrip.h"
#include "platform/clock/SystemTime.h"
#include "tests/phase/TestClock.h"
#include "tests/platform/clock/ZoneFiles.h"

namespace {

constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr double kFractions[kPhaseRows] = {0.0, 0.25, 0.5, 0.75, 0.0, 0.25, 0.5, 0.75, 1.0};

struct TableCase {
    const char* zone;
    const char* rows[kPhaseRows];  // local date and time
};

// Local rows at two instants, one in summer time and one in winter time of the northern
// zones; in winter, only the zones whose rows cross a transition, as the others add nothing.
// Apart from central Europe, the expected rows are the Universal Time rows shifted by the
// zone's real offset at each instant.
const TableCase kOctober2009[] = {
    {kCentralEurope,
     {"2009-10-18 07:32", "2009-10-26 01:41", "2009-11-02 20:15", "2009-11-09 16:57",
      "2009-11-16 20:14", "2009-11-24 22:38", "2009-12-02 08:32", "2009-12-09 01:15",
      "2009-12-16 13:03"}},
    {"UTC",
     {"2009-10-18 05:32", "2009-10-26 00:41", "2009-11-02 19:15", "2009-11-09 15:57",
      "2009-11-16 19:14", "2009-11-24 21:38", "2009-12-02 07:32", "2009-12-09 00:15",
      "2009-12-16 12:03"}},
    {"Asia/Tokyo",
     {"2009-10-18 14:32", "2009-10-26 09:41", "2009-11-03 04:15", "2009-11-10 00:57",
      "2009-11-17 04:14", "2009-11-25 06:38", "2009-12-02 16:32", "2009-12-09 09:15",
      "2009-12-16 21:03"}},
    {"America/New_York",
     {"2009-10-18 01:32", "2009-10-25 20:41", "2009-11-02 14:15", "2009-11-09 10:57",
      "2009-11-16 14:14", "2009-11-24 16:38", "2009-12-02 02:32", "2009-12-08 19:15",
      "2009-12-16 07:03"}},
    {"Australia/Sydney",
     {"2009-10-18 16:32", "2009-10-26 11:41", "2009-11-03 06:15", "2009-11-10 02:57",
      "2009-11-17 06:14", "2009-11-25 08:38", "2009-12-02 18:32", "2009-12-09 11:15",
      "2009-12-16 23:03"}},
    {"Europe/Dublin",
     {"2009-10-18 06:32", "2009-10-26 00:41", "2009-11-02 19:15", "2009-11-09 15:57",
      "2009-11-16 19:14", "2009-11-24 21:38", "2009-12-02 07:32", "2009-12-09 00:15",
      "2009-12-16 12:03"}},
};

const TableCase kMarch2010[] = {
    {kCentralEurope,
     {"2010-03-15 22:03", "2010-03-23 12:00", "2010-03-30 04:25", "2010-04-06 11:38",
      "2010-04-14 14:31", "2010-04-21 20:20", "2010-04-28 14:18", "2010-05-06 06:15",
      "2010-05-14 03:05"}},
    {"Australia/Sydney",
     {"2010-03-16 08:03", "2010-03-23 22:00", "2010-03-30 13:25", "2010-04-06 19:38",
      "2010-04-14 22:31", "2010-04-22 04:20", "2010-04-28 22:18", "2010-05-06 14:15",
      "2010-05-14 11:05"}},
    {"Europe/Dublin",
     {"2010-03-15 21:03", "2010-03-23 11:00", "2010-03-30 03:25", "2010-04-06 10:38",
      "2010-04-14 13:31", "2010-04-21 19:20", "2010-04-28 13:18", "2010-05-06 05:15",
      "2010-05-14 02:05"}},
};

// In the year of three changes of ZoneFiles.h, as the C library has the rows: before the
// return to +00 on 15 February (rows 0 to 3) and on 20 September (rows 0 to 5) at +01, after
// it at +00.
struct DatedRows {
    unsigned month, day;  // of 2026, at 12:00 UT
    const char* rows[kPhaseRows];
};
const DatedRows kPauseYear[] = {
    {1,
     20,
     {"2026-01-18 20:53", "2026-01-26 05:48", "2026-02-01 23:10", "2026-02-09 13:44",
      "2026-02-17 12:03", "2026-02-24 12:28", "2026-03-03 11:39", "2026-03-11 09:41",
      "2026-03-19 01:26"}},
    {9,
     10,
     {"2026-08-12 18:37", "2026-08-20 03:46", "2026-08-28 05:19", "2026-09-04 08:52",
      "2026-09-11 04:27", "2026-09-18 21:44", "2026-09-26 16:50", "2026-10-03 13:26",
      "2026-10-10 15:50"}},
};

std::string Format(const PhaseEntry& row) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", row.year, row.month, row.day,
                  row.hour, row.minute);
    return text;
}

TEST(BuildPhaseTable, GivesLocalRowsInSummerAndWinterTime) {
    for (const auto& [now, cases] :
         {std::pair{UtcInstant(2009, 10, 20, 12), std::span<const TableCase>(kOctober2009)},
          std::pair{UtcInstant(2010, 3, 20, 12), std::span<const TableCase>(kMarch2010)}}) {
        SetClock(now);
        for (const TableCase& c : cases) {
            SetZone(c.zone);
            PhaseEntry entries[kPhaseRows] = {};
            BuildPhaseTable(entries, kPhaseRows);
            for (int32_t n = 0; n < kPhaseRows; ++n) {
                EXPECT_EQ(Format(entries[n]), c.rows[n]) << c.zone << " row " << n;
                EXPECT_EQ(entries[n].fraction, kFractions[n]) << c.zone << " row " << n;
            }
        }
    }
}

TEST(BuildPhaseTable, GivesTheCLibrarysRowsInAYearOfThreeChanges) {
    clocktest::ZoneFiles files;
    ASSERT_TRUE(files.Compile(clocktest::kPauseRules));
    SetZone(files.Path(clocktest::kPauseZone).c_str());
    for (const DatedRows& c : kPauseYear) {
        SetUtc(2026, c.month, c.day, 12);
        PhaseEntry entries[kPhaseRows] = {};
        BuildPhaseTable(entries, kPhaseRows);
        for (int32_t n = 0; n < kPhaseRows; ++n) {
            EXPECT_EQ(Format(entries[n]), c.rows[n]) << c.month << "/" << c.day << " row " << n;
        }
    }
}

// Rows past count keep their calendar fields; every fraction is written; a count past the
// table's nine rows writes no further.
TEST(BuildPhaseTable, ComputesOnlyTheRowsAskedFor) {
    SetUtc(2009, 10, 20, 12);
    SetZone("UTC");
    for (int32_t count : {-3, 0, 4, 9, 12}) {
        PhaseEntry entries[kPhaseRows + 3];
        std::fill(std::begin(entries), std::end(entries), PhaseEntry{-1, -1, -1, -1, -1, -1.0});
        BuildPhaseTable(entries, count);
        for (int32_t n = 0; n < kPhaseRows + 3; ++n) {
            EXPECT_EQ(entries[n].fraction, n < kPhaseRows ? kFractions[n] : -1.0) << count << n;
            EXPECT_EQ(entries[n].year == -1, n >= std::min(count, kPhaseRows)) << count << n;
        }
    }
}

// Over the clock's range, in a zone with and one without daylight saving: rows in time
// order, and a whole strip from the first row not before the local date.
TEST(BuildPhaseTable, KeepsItsPropertiesOverTheCenturies) {
    const auto key = [](const PhaseEntry& r) {
        return std::tie(r.year, r.month, r.day, r.hour, r.minute);
    };
    for (const char* name : {"UTC", kCentralEurope}) {
        SetZone(name);
        // Three days and seven hours: every time of day comes round.
        for (auto now = UtcInstant(1700, 1, 1);
             now <= UtcInstant(2100, 12, 31, 23, 59) && !HasFailure();
             now += std::chrono::hours(79)) {
            SetClock(now);
            PhaseEntry rows[kPhaseRows] = {};
            BuildPhaseTable(rows, kPhaseRows);
            SYSTEMTIME today;
            GetLocalTime(&today);
            for (int32_t n = 1; n < kPhaseRows; ++n) {
                EXPECT_LT(key(rows[n - 1]), key(rows[n])) << name << " row " << n;
            }
            EXPECT_LE(strip::FirstRowNotBefore(rows, today.wYear, today.wMonth, today.wDay),
                      kPhaseRows - strip::kCells)
                << name << " " << today.wYear << "-" << today.wMonth << "-" << today.wDay;
        }
    }
}

// A clock anywhere from 1600 to 9999, also past 2262, where a count of nanoseconds since 1970
// ends: the table is that of the clock's own date, the lunation in progress and the next.
TEST(BuildPhaseTable, FollowsTheClockToAnyYear) {
    using namespace std::chrono;
    const auto date = [](const PhaseEntry& r) { return sys_days{year{r.year} / r.month / r.day}; };
    SetZone("UTC");
    for (const year_month_day today :
         {1600y / 3 / 1, 2262y / 4 / 12, 2300y / 6 / 15, 9999y / 12 / 1}) {
        SetClock(sys_days{today} + 12h);
        PhaseEntry rows[kPhaseRows] = {};
        BuildPhaseTable(rows, kPhaseRows);
        SCOPED_TRACE(static_cast<int>(today.year()));
        // The lunation's new moon at most a day after now, the next one at most a day before,
        // and the first quarter after it more than six days ahead.
        EXPECT_LE(date(rows[0]), sys_days{today} + days{1});
        EXPECT_GE(date(rows[4]), sys_days{today} - days{1});
        EXPECT_GE(date(rows[5]), sys_days{today} + days{6});
    }
}

}  // namespace
