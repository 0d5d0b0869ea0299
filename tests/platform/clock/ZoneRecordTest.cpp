// The zone record, the local time and the clock for named zones at chosen instants.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "platform/clock/SystemTime.h"
#include "platform/clock/ZoneSource.h"
#include "tests/platform/clock/ClockTestSupport.h"

namespace {

using clocktest::Utc;

struct Rule {
    WORD month, dayOfWeek, day, hour;
};

struct RecordCase {
    const char* zone;
    clocktest::Instant at;
    DWORD status;
    LONG bias;
    LONG daylightBias;
    Rule standard;
    Rule daylight;
};

void PrintTo(const RecordCase& c, std::ostream* os) {
    *os << c.zone;
}

class ZoneRecord : public testing::TestWithParam<RecordCase> {
protected:
    clocktest::ClockAndZoneGuard guard_;
};

void ExpectRule(const SYSTEMTIME& actual, const Rule& expected, const char* which) {
    SCOPED_TRACE(which);
    EXPECT_EQ(actual.wYear, 0);
    EXPECT_EQ(actual.wMonth, expected.month);
    EXPECT_EQ(actual.wDayOfWeek, expected.dayOfWeek);
    EXPECT_EQ(actual.wDay, expected.day);
    EXPECT_EQ(actual.wHour, expected.hour);
}

TEST_P(ZoneRecord, MatchesTheZoneRules) {
    const RecordCase& c = GetParam();
    clocktest::UseZone(c.zone);
    clocktest::FixClock(c.at);
    TIME_ZONE_INFORMATION info;
    EXPECT_EQ(GetTimeZoneInformation(&info), c.status);
    EXPECT_EQ(info.Bias, c.bias);
    EXPECT_EQ(info.DaylightBias, c.daylightBias);
    EXPECT_EQ(info.StandardBias, 0);
    ExpectRule(info.StandardDate, c.standard, "standard date");
    ExpectRule(info.DaylightDate, c.daylight, "daylight date");
}

constexpr Rule kNone{0, 0, 0, 0};
const auto kSummer = Utc(2009, 7, 1, 12);
const auto kWinter = Utc(2009, 1, 15, 12);

INSTANTIATE_TEST_SUITE_P(
    Zones, ZoneRecord,
    testing::Values(
        RecordCase{
            "Europe/Berlin", kSummer, TIME_ZONE_ID_DAYLIGHT, -60, -60, {10, 0, 5, 3}, {3, 0, 5, 2}},
        RecordCase{
            "Europe/Berlin", kWinter, TIME_ZONE_ID_STANDARD, -60, -60, {10, 0, 5, 3}, {3, 0, 5, 2}},
        RecordCase{"America/New_York",
                   kSummer,
                   TIME_ZONE_ID_DAYLIGHT,
                   300,
                   -60,
                   {11, 0, 1, 2},
                   {3, 0, 2, 2}},
        RecordCase{"Australia/Sydney",
                   kSummer,
                   TIME_ZONE_ID_STANDARD,
                   -600,
                   -60,
                   {4, 0, 1, 3},
                   {10, 0, 1, 2}},
        RecordCase{"Australia/Sydney",
                   kWinter,
                   TIME_ZONE_ID_DAYLIGHT,
                   -600,
                   -60,
                   {4, 0, 1, 3},
                   {10, 0, 1, 2}},
        // The database keeps Irish winter as daylight time with a negative saving; the record
        // reads it the way London's is read.
        RecordCase{
            "Europe/Dublin", kWinter, TIME_ZONE_ID_STANDARD, 0, -60, {10, 0, 5, 2}, {3, 0, 5, 1}},
        RecordCase{
            "Europe/Dublin", kSummer, TIME_ZONE_ID_DAYLIGHT, 0, -60, {10, 0, 5, 2}, {3, 0, 5, 1}},
        RecordCase{
            "Europe/London", kWinter, TIME_ZONE_ID_STANDARD, 0, -60, {10, 0, 5, 2}, {3, 0, 5, 1}},
        RecordCase{"Australia/Lord_Howe",
                   kWinter,
                   TIME_ZONE_ID_DAYLIGHT,
                   -630,
                   -30,
                   {4, 0, 1, 2},
                   {10, 0, 1, 2}},
        RecordCase{"Asia/Tokyo", kSummer, TIME_ZONE_ID_UNKNOWN, -540, 0, kNone, kNone},
        RecordCase{"Asia/Kolkata", kSummer, TIME_ZONE_ID_UNKNOWN, -330, 0, kNone, kNone},
        RecordCase{"America/Phoenix", kSummer, TIME_ZONE_ID_UNKNOWN, 420, 0, kNone, kNone},
        RecordCase{"UTC", kSummer, TIME_ZONE_ID_UNKNOWN, 0, 0, kNone, kNone},
        RecordCase{"CET-1CEST,M3.5.0,M10.5.0/3",
                   kSummer,
                   TIME_ZONE_ID_DAYLIGHT,
                   -60,
                   -60,
                   {10, 0, 5, 3},
                   {3, 0, 5, 2}},
        // A year spent wholly in daylight time (war time) has no change of season.
        RecordCase{"America/New_York", Utc(1943, 6, 1), TIME_ZONE_ID_UNKNOWN, 240, 0, kNone, kNone},
        RecordCase{"Nowhere/Bogus", kSummer, TIME_ZONE_ID_INVALID, 0, 0, kNone, kNone}));

class LocalTime : public testing::Test {
protected:
    clocktest::ClockAndZoneGuard guard_;
};

TEST_F(LocalTime, FollowsTheReplacedClockToTheMillisecond) {
    struct Case {
        const char* zone;
        clocktest::Instant at;
        SYSTEMTIME utc;
        SYSTEMTIME local;
    };
    const Case cases[] = {
        {"Europe/Berlin",
         Utc(2009, 10, 20, 12, 0, 0, 250),
         {2009, 10, 2, 20, 12, 0, 0, 250},
         {2009, 10, 2, 20, 14, 0, 0, 250}},
        {"Asia/Kolkata",
         Utc(2009, 12, 31, 20, 45, 7),
         {2009, 12, 4, 31, 20, 45, 7, 0},
         {2010, 1, 5, 1, 2, 15, 7, 0}},
        {"America/Phoenix",
         Utc(2012, 3, 1, 3, 0, 0),
         {2012, 3, 4, 1, 3, 0, 0, 0},
         {2012, 2, 3, 29, 20, 0, 0, 0}},
        // Before 1970 the milliseconds still count forwards within their second.
        {"UTC",
         Utc(1969, 12, 31, 23, 59, 59, 500),
         {1969, 12, 3, 31, 23, 59, 59, 500},
         {1969, 12, 3, 31, 23, 59, 59, 500}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zone);
        clocktest::UseZone(c.zone);
        clocktest::FixClock(c.at);
        SYSTEMTIME utc, local;
        GetSystemTime(&utc);
        GetLocalTime(&local);
        for (const auto& [actual, expected] : {std::pair{utc, c.utc}, std::pair{local, c.local}}) {
            EXPECT_EQ(actual.wYear, expected.wYear);
            EXPECT_EQ(actual.wMonth, expected.wMonth);
            EXPECT_EQ(actual.wDayOfWeek, expected.wDayOfWeek);
            EXPECT_EQ(actual.wDay, expected.wDay);
            EXPECT_EQ(actual.wHour, expected.wHour);
            EXPECT_EQ(actual.wMinute, expected.wMinute);
            EXPECT_EQ(actual.wSecond, expected.wSecond);
            EXPECT_EQ(actual.wMilliseconds, expected.wMilliseconds);
        }
    }
}

TEST_F(LocalTime, SeesAChangeOfZoneAtTheNextCall) {
    clocktest::FixClock(Utc(2009, 10, 20, 12));
    const std::pair<std::optional<std::string>, int> steps[] = {
        {"Europe/Berlin", 14}, {"Asia/Tokyo", 21}, {":America/New_York", 8}, {"", 12}};
    for (const auto& [zone, hour] : steps) {
        clocktest::UseZone(zone);
        SYSTEMTIME local;
        GetLocalTime(&local);
        EXPECT_EQ(local.wHour, hour) << zone.value_or("(unset)");
    }
    // Without TZ the machine's zone applies, as the C library reads it.
    clocktest::UseZone(std::nullopt);
    const std::time_t now = std::chrono::system_clock::to_time_t(
        std::chrono::system_clock::time_point{clocktest::Utc(2009, 10, 20, 12)});
    std::tm tm{};
    localtime_r(&now, &tm);
    SYSTEMTIME local;
    GetLocalTime(&local);
    EXPECT_EQ(local.wHour * 60 + local.wMinute, tm.tm_hour * 60 + tm.tm_min);
}

TEST_F(LocalTime, ZoneNameFollowsTz) {
    clocktest::UseZone(":Europe/Berlin");
    EXPECT_EQ(platform::ZoneName(), "Europe/Berlin");
    clocktest::UseZone("Nowhere/Bogus");
    EXPECT_EQ(platform::ZoneName(), "Nowhere/Bogus");
    clocktest::UseZone("");
    EXPECT_EQ(platform::ZoneName(), "UTC");
}

}  // namespace
