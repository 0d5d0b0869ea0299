#include "phase/astro/PhaseTable.h"

#include <gtest/gtest.h>

#include <tuple>

#include "phase/astro/PhaseStrip.h"
#include "platform/clock/SystemTime.h"
#include "tests/phase/astro/TestClock.h"

namespace {

constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr double kFractions[kPhaseRows] = {0.0, 0.25, 0.5, 0.75, 0.0, 0.25, 0.5, 0.75, 1.0};

struct Row {
    int32_t year, month, day, hour, minute;
};

struct TableCase {
    const char* zone;
    Row rows[kPhaseRows];
};

// Local rows at two instants, one in summer time and one in winter time of the northern
// zones. Apart from central Europe, the expected rows are the Universal Time rows shifted by
// the zone's real offset at each instant.
const TableCase kOctober2009[] = {
    {kCentralEurope,
     {{2009, 10, 18, 7, 32},
      {2009, 10, 26, 1, 41},
      {2009, 11, 2, 20, 15},
      {2009, 11, 9, 16, 57},
      {2009, 11, 16, 20, 14},
      {2009, 11, 24, 22, 38},
      {2009, 12, 2, 8, 32},
      {2009, 12, 9, 1, 15},
      {2009, 12, 16, 13, 3}}},
    {"UTC",
     {{2009, 10, 18, 5, 32},
      {2009, 10, 26, 0, 41},
      {2009, 11, 2, 19, 15},
      {2009, 11, 9, 15, 57},
      {2009, 11, 16, 19, 14},
      {2009, 11, 24, 21, 38},
      {2009, 12, 2, 7, 32},
      {2009, 12, 9, 0, 15},
      {2009, 12, 16, 12, 3}}},
    {"Asia/Tokyo",
     {{2009, 10, 18, 14, 32},
      {2009, 10, 26, 9, 41},
      {2009, 11, 3, 4, 15},
      {2009, 11, 10, 0, 57},
      {2009, 11, 17, 4, 14},
      {2009, 11, 25, 6, 38},
      {2009, 12, 2, 16, 32},
      {2009, 12, 9, 9, 15},
      {2009, 12, 16, 21, 3}}},
    {"America/New_York",
     {{2009, 10, 18, 1, 32},
      {2009, 10, 25, 20, 41},
      {2009, 11, 2, 14, 15},
      {2009, 11, 9, 10, 57},
      {2009, 11, 16, 14, 14},
      {2009, 11, 24, 16, 38},
      {2009, 12, 2, 2, 32},
      {2009, 12, 8, 19, 15},
      {2009, 12, 16, 7, 3}}},
    {"Australia/Sydney",
     {{2009, 10, 18, 16, 32},
      {2009, 10, 26, 11, 41},
      {2009, 11, 3, 6, 15},
      {2009, 11, 10, 2, 57},
      {2009, 11, 17, 6, 14},
      {2009, 11, 25, 8, 38},
      {2009, 12, 2, 18, 32},
      {2009, 12, 9, 11, 15},
      {2009, 12, 16, 23, 3}}},
    {"Europe/Dublin",
     {{2009, 10, 18, 6, 32},
      {2009, 10, 26, 0, 41},
      {2009, 11, 2, 19, 15},
      {2009, 11, 9, 15, 57},
      {2009, 11, 16, 19, 14},
      {2009, 11, 24, 21, 38},
      {2009, 12, 2, 7, 32},
      {2009, 12, 9, 0, 15},
      {2009, 12, 16, 12, 3}}},
};

const TableCase kMarch2010[] = {
    {kCentralEurope,
     {{2010, 3, 15, 22, 3},
      {2010, 3, 23, 12, 0},
      {2010, 3, 30, 4, 25},
      {2010, 4, 6, 11, 38},
      {2010, 4, 14, 14, 31},
      {2010, 4, 21, 20, 20},
      {2010, 4, 28, 14, 18},
      {2010, 5, 6, 6, 15},
      {2010, 5, 14, 3, 5}}},
    {"UTC",
     {{2010, 3, 15, 21, 3},
      {2010, 3, 23, 11, 0},
      {2010, 3, 30, 2, 25},
      {2010, 4, 6, 9, 38},
      {2010, 4, 14, 12, 31},
      {2010, 4, 21, 18, 20},
      {2010, 4, 28, 12, 18},
      {2010, 5, 6, 4, 15},
      {2010, 5, 14, 1, 5}}},
    {"Asia/Tokyo",
     {{2010, 3, 16, 6, 3},
      {2010, 3, 23, 20, 0},
      {2010, 3, 30, 11, 25},
      {2010, 4, 6, 18, 38},
      {2010, 4, 14, 21, 31},
      {2010, 4, 22, 3, 20},
      {2010, 4, 28, 21, 18},
      {2010, 5, 6, 13, 15},
      {2010, 5, 14, 10, 5}}},
    {"America/New_York",
     {{2010, 3, 15, 17, 3},
      {2010, 3, 23, 7, 0},
      {2010, 3, 29, 22, 25},
      {2010, 4, 6, 5, 38},
      {2010, 4, 14, 8, 31},
      {2010, 4, 21, 14, 20},
      {2010, 4, 28, 8, 18},
      {2010, 5, 6, 0, 15},
      {2010, 5, 13, 21, 5}}},
    {"Australia/Sydney",
     {{2010, 3, 16, 8, 3},
      {2010, 3, 23, 22, 0},
      {2010, 3, 30, 13, 25},
      {2010, 4, 6, 19, 38},
      {2010, 4, 14, 22, 31},
      {2010, 4, 22, 4, 20},
      {2010, 4, 28, 22, 18},
      {2010, 5, 6, 14, 15},
      {2010, 5, 14, 11, 5}}},
    {"Europe/Dublin",
     {{2010, 3, 15, 21, 3},
      {2010, 3, 23, 11, 0},
      {2010, 3, 30, 3, 25},
      {2010, 4, 6, 10, 38},
      {2010, 4, 14, 13, 31},
      {2010, 4, 21, 19, 20},
      {2010, 4, 28, 13, 18},
      {2010, 5, 6, 5, 15},
      {2010, 5, 14, 2, 5}}},
};

void ExpectTable(std::chrono::system_clock::time_point now, const TableCase& c) {
    const ScopedClock clock(now);
    const ScopedZone zone(c.zone);
    PhaseEntry entries[kPhaseRows] = {};
    BuildPhaseTable(entries, kPhaseRows);
    for (int32_t n = 0; n < kPhaseRows; ++n) {
        const PhaseEntry& got = entries[n];
        const Row& want = c.rows[n];
        EXPECT_EQ(std::tie(got.year, got.month, got.day, got.hour, got.minute),
                  std::tie(want.year, want.month, want.day, want.hour, want.minute))
            << c.zone << " row " << n << ": " << got.year << "-" << got.month << "-" << got.day
            << " " << got.hour << ":" << got.minute;
        EXPECT_EQ(got.fraction, kFractions[n]) << c.zone << " row " << n;
    }
}

TEST(BuildPhaseTable, GivesLocalRowsInSummerTime) {
    for (const TableCase& c : kOctober2009) {
        ExpectTable(UtcInstant(2009, 10, 20, 12), c);
    }
}

TEST(BuildPhaseTable, GivesLocalRowsInWinterTime) {
    for (const TableCase& c : kMarch2010) {
        ExpectTable(UtcInstant(2010, 3, 20, 12), c);
    }
}

// Rows past count keep their calendar fields; every fraction is written; a count past the
// table's nine rows writes no further.
TEST(BuildPhaseTable, ComputesOnlyTheRowsAskedFor) {
    const ScopedClock clock(UtcInstant(2009, 10, 20, 12));
    const ScopedZone zone("UTC");
    const PhaseEntry untouched{-1, -1, -1, -1, -1, -1.0};
    for (int32_t count : {-3, 0, 4, 9, 12}) {
        PhaseEntry entries[kPhaseRows + 3];
        for (PhaseEntry& entry : entries) {
            entry = untouched;
        }
        BuildPhaseTable(entries, count);
        for (int32_t n = 0; n < kPhaseRows; ++n) {
            EXPECT_EQ(entries[n].fraction, kFractions[n]) << count << " row " << n;
            EXPECT_EQ(entries[n].year == -1, n >= count) << count << " row " << n;
        }
        for (int32_t n = kPhaseRows; n < kPhaseRows + 3; ++n) {
            EXPECT_EQ(entries[n].year, -1) << count << " row " << n;
            EXPECT_EQ(entries[n].fraction, -1.0) << count << " row " << n;
        }
    }
}

bool Before(const PhaseEntry& a, const PhaseEntry& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute) <
           std::tie(b.year, b.month, b.day, b.hour, b.minute);
}

// Over the clock's range, in a zone with and one without daylight saving: rows in time
// order, and a whole strip from the first row not before the local date.
TEST(BuildPhaseTable, KeepsItsPropertiesOverTheCenturies) {
    for (const char* name : {"UTC", kCentralEurope}) {
        const ScopedZone zone(name);
        const auto first = UtcInstant(1700, 1, 1);
        const auto last = UtcInstant(2100, 12, 31, 23, 59, 59);
        // Three days and seven hours: every time of day comes round.
        for (auto now = first; now <= last; now += std::chrono::hours(79)) {
            const ScopedClock clock(now);
            PhaseEntry entries[kPhaseRows] = {};
            BuildPhaseTable(entries, kPhaseRows);
            SYSTEMTIME today;
            GetLocalTime(&today);
            for (int32_t n = 1; n < kPhaseRows; ++n) {
                EXPECT_TRUE(Before(entries[n - 1], entries[n])) << name << " row " << n;
            }
            EXPECT_LE(FirstRowNotBefore(entries, today.wYear, today.wMonth, today.wDay),
                      kLastStripStart)
                << name << " " << today.wYear << "-" << today.wMonth << "-" << today.wDay;
            if (HasFailure()) {
                return;
            }
        }
    }
}

}  // namespace
