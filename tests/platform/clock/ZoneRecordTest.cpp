// The zone record, the local time and the zone name for named zones, zone files and rules at
// chosen instants.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/clock/CivilTime.h"
#include "platform/clock/SystemTime.h"
#include "platform/clock/ZoneSource.h"
#include "tests/platform/clock/ClockTestSupport.h"
#include "tests/platform/clock/ZoneFiles.h"

namespace {

using clocktest::Utc;

// Month, day of the week, week of the month (5: the last) and hour of a change of season.
using Rule = std::array<WORD, 4>;

Rule RuleOf(const SYSTEMTIME& t) {
    return {t.wMonth, t.wDayOfWeek, t.wDay, t.wHour};
}

// "YYYY-MM-DD w HH:MM:SS.mmm", w the day of the week (0 Sunday).
std::string Text(const SYSTEMTIME& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %u %02u:%02u:%02u.%03u", t.wYear, t.wMonth,
                  t.wDay, t.wDayOfWeek, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    return text;
}

long CLibraryOffset(std::int64_t t) {
    const std::time_t at = static_cast<std::time_t>(t);
    std::tm tm{};
    localtime_r(&at, &tm);
    return tm.tm_gmtoff;
}

class ZoneRecord : public testing::Test {
protected:
    clocktest::ClockAndZoneGuard guard_;
};

// The sweep holds every zone to the C library; these pin the record's own fields.
TEST_F(ZoneRecord, MatchesTheZoneRules) {
    constexpr DWORD kNoSeasons = TIME_ZONE_ID_UNKNOWN;
    constexpr DWORD kStd = TIME_ZONE_ID_STANDARD;
    constexpr DWORD kDst = TIME_ZONE_ID_DAYLIGHT;
    const auto summer = Utc(2009, 7, 1, 12);
    const auto winter = Utc(2009, 1, 15, 12);
    const Rule none{};
    const struct {
        const char* zone;
        clocktest::Instant at;
        DWORD status;
        LONG bias, daylightBias;
        Rule standard, daylight;
    } cases[] = {
        {"Europe/Berlin", summer, kDst, -60, -60, {10, 0, 5, 3}, {3, 0, 5, 2}},
        {"CET-1CEST,M3.5.0,M10.5.0/3", winter, kStd, -60, -60, {10, 0, 5, 3}, {3, 0, 5, 2}},
        {"America/New_York", summer, kDst, 300, -60, {11, 0, 1, 2}, {3, 0, 2, 2}},
        {"Australia/Sydney", summer, kStd, -600, -60, {4, 0, 1, 3}, {10, 0, 1, 2}},
        // The database keeps Irish winter as daylight time with a negative saving; the record
        // reads it the way London's is read.
        {"Europe/Dublin", winter, kStd, 0, -60, {10, 0, 5, 2}, {3, 0, 5, 1}},
        {"Australia/Lord_Howe", winter, kDst, -630, -30, {4, 0, 1, 2}, {10, 0, 1, 2}},
        {"Asia/Tokyo", summer, kNoSeasons, -540, 0, none, none},
        // A year spent wholly in daylight time (war time) has no change of season.
        {"America/New_York", Utc(1943, 6, 1), kNoSeasons, 240, 0, none, none},
        {"Nowhere/Bogus", summer, TIME_ZONE_ID_INVALID, 0, 0, none, none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        clocktest::UseZone(c.zone);
        clocktest::FixClock(c.at);
        TIME_ZONE_INFORMATION info;
        EXPECT_EQ(GetTimeZoneInformation(&info), c.status);
        EXPECT_EQ(info.Bias, c.bias);
        EXPECT_EQ(info.DaylightBias, c.daylightBias);
        EXPECT_EQ(info.StandardBias, 0);
        EXPECT_EQ(info.StandardDate.wYear + info.DaylightDate.wYear, 0) << "relative form";
        EXPECT_EQ(RuleOf(info.StandardDate), c.standard);
        EXPECT_EQ(RuleOf(info.DaylightDate), c.daylight);
    }
}

TEST_F(ZoneRecord, LocalTimeFollowsTheReplacedClockToTheMillisecond) {
    const struct {
        const char* zone;
        clocktest::Instant at;
        const char *utc, *local;
    } cases[] = {
        {"Europe/Berlin", Utc(2009, 10, 20, 12, 0, 0, 250), "2009-10-20 2 12:00:00.250",
         "2009-10-20 2 14:00:00.250"},
        {"Asia/Kolkata", Utc(2009, 12, 31, 20, 45, 7), "2009-12-31 4 20:45:07.000",
         "2010-01-01 5 02:15:07.000"},
        // Before 1970 the milliseconds still count forwards within their second.
        {"UTC", Utc(1969, 12, 31, 23, 59, 59, 500), "1969-12-31 3 23:59:59.500",
         "1969-12-31 3 23:59:59.500"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        clocktest::UseZone(c.zone);
        clocktest::FixClock(c.at);
        SYSTEMTIME utc, local;
        GetSystemTime(&utc);
        GetLocalTime(&local);
        EXPECT_EQ(Text(utc), c.utc);
        EXPECT_EQ(Text(local), c.local);
    }
}

TEST_F(ZoneRecord, LocalTimeSeesAChangeOfZoneAtTheNextCall) {
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

// The year of three changes of ZoneFiles.h. Read the conventional way, +00 is standard time
// and +01 daylight time in both stretches around the pause; the dates bound the stretch of
// daylight time in force or next to come, so that the rows after the instant meet the right
// change.
TEST_F(ZoneRecord, AYearOfThreeChangesBoundsTheDaylightTimeNextToTheInstant) {
    clocktest::ZoneFiles files;
    ASSERT_TRUE(files.Compile(clocktest::kPauseRules));
    clocktest::UseZone(files.Path(clocktest::kPauseZone));
    constexpr DWORD kStd = TIME_ZONE_ID_STANDARD;
    constexpr DWORD kDst = TIME_ZONE_ID_DAYLIGHT;
    const Rule pause{2, 0, 3, 3}, resume{3, 0, 4, 2}, end{9, 0, 3, 2}, none{};
    const struct {
        clocktest::Instant at;
        DWORD status;
        LONG bias, daylightBias;
        Rule standard, daylight;
    } cases[] = {
        {Utc(2025, 6, 1), TIME_ZONE_ID_UNKNOWN, -60, 0, none, none},
        {Utc(2026, 1, 20, 12), kDst, 0, -60, pause, resume},
        {Utc(2026, 3, 1, 12), kStd, 0, -60, end, resume},
        {Utc(2026, 7, 1, 12), kDst, 0, -60, end, resume},
        {Utc(2026, 10, 1, 12), kStd, 0, -60, end, resume},
        {Utc(2027, 6, 1), TIME_ZONE_ID_UNKNOWN, 0, 0, none, none},
    };
    for (const auto& c : cases) {
        clocktest::FixClock(c.at);
        SCOPED_TRACE(Text(platform::ToSystemTime(c.at.time_since_epoch().count())));
        TIME_ZONE_INFORMATION info;
        EXPECT_EQ(GetTimeZoneInformation(&info), c.status);
        EXPECT_EQ(info.Bias, c.bias);
        EXPECT_EQ(info.DaylightBias, c.daylightBias);
        EXPECT_EQ(RuleOf(info.StandardDate), c.standard);
        EXPECT_EQ(RuleOf(info.DaylightDate), c.daylight);
    }
}

// TZ in each form the C library reads, and the machine's zone file as a copy or a link: the
// local time agrees with localtime_r over a spread of instants, and with the offsets the
// form stands for; the name is the database's where one is known.
TEST_F(ZoneRecord, EveryFormOfTzGivesTheCLibrarysLocalTime) {
    const std::string berlin = "/usr/share/zoneinfo/Europe/Berlin";
    clocktest::ZoneFiles files;
    std::filesystem::copy_file(berlin, files.Path("localtime"));
    files.Write("timezone", "America/New_York\n");  // stale: names another zone
    files.Write("timezone.current", "Europe/Berlin\n");
    std::filesystem::create_symlink("/usr/share/zoneinfo/Asia/Tokyo", files.Path("link"));
    const platform::MachineZoneFiles copy{files.Path("localtime"), files.Path("timezone")};
    const platform::MachineZoneFiles named{files.Path("localtime"), files.Path("timezone.current")};
    const platform::MachineZoneFiles link{files.Path("link"), files.Path("timezone")};

    constexpr DWORD kStd = TIME_ZONE_ID_STANDARD;
    constexpr DWORD kNone = TIME_ZONE_ID_UNKNOWN;
    const struct {
        std::string tz;
        platform::MachineZoneFiles machine;
        std::string name;
        DWORD januaryStatus;
        int january, july;  // offsets of 2009, seconds east of UT
    } cases[] = {
        {berlin, {}, "Europe/Berlin", kStd, 3600, 7200},
        {":/usr/share/zoneinfo/America/New_York", {}, "America/New_York", kStd, -18000, -14400},
        {":Europe/Berlin", {}, "Europe/Berlin", kStd, 3600, 7200},
        // The machine's zone file in TZ, with or without the colon: a copy whose name file
        // is stale is named by its path and read for what it holds.
        {files.Path("localtime"), copy, files.Path("localtime"), kStd, 3600, 7200},
        {":" + files.Path("localtime"), copy, files.Path("localtime"), kStd, 3600, 7200},
        {files.Path("localtime"), named, "Europe/Berlin", kStd, 3600, 7200},
        {files.Path("link"), link, "Asia/Tokyo", kNone, 32400, 32400},
        // POSIX offsets count west of UT, whatever the name looks like.
        {"UTC+05:00", {}, "UTC+05:00", kNone, -18000, -18000},
        {"UTC-3", {}, "UTC-3", kNone, 10800, 10800},
        {"EST5EDT,M3.2.0,M11.1.0", {}, "EST5EDT,M3.2.0,M11.1.0", kStd, -18000, -14400},
        {"", {}, "UTC", kNone, 0, 0},
        {":", {}, "UTC", kNone, 0, 0},
        {"Nowhere/Bogus", {}, "Nowhere/Bogus", TIME_ZONE_ID_INVALID, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("TZ=" + c.tz);
        platform::SetMachineZoneFiles(c.machine);
        clocktest::UseZone(c.tz);
        EXPECT_EQ(platform::ZoneName(), c.name);
        for (const auto& [at, expected] :
             {std::pair{Utc(2009, 1, 15, 12), c.january}, {Utc(2009, 7, 15, 12), c.july}}) {
            clocktest::FixClock(at);
            SYSTEMTIME utc, local;
            GetSystemTime(&utc);
            GetLocalTime(&local);
            EXPECT_EQ((local.wDay - utc.wDay) * 86400 + (local.wHour - utc.wHour) * 3600 +
                          (local.wMinute - utc.wMinute) * 60,
                      expected);
        }
        clocktest::FixClock(Utc(2009, 1, 15, 12));
        TIME_ZONE_INFORMATION info;
        EXPECT_EQ(GetTimeZoneInformation(&info), c.januaryStatus);
        // Every few weeks from 1900 to 2040, as localtime_r reads the same TZ.
        for (std::int64_t t = -2208988800; t < 2208988800 && !HasFailure(); t += 3'124'567) {
            EXPECT_EQ(platform::ZoneOffsetAt(t * 1000), CLibraryOffset(t)) << t;
        }
    }
    platform::SetMachineZoneFiles({});
}

}  // namespace
