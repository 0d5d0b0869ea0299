// The zone source against the C library for every zone of the installed time-zone database:
// at a spread of instants and on both sides of every change of offset, the status and the
// offset in force agree with localtime_r. (The record's rules for the changes of season are
// pinned zone by zone in ZoneRecordTest.)
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/clock/SystemTime.h"
#include "tests/platform/clock/ClockTestSupport.h"

namespace {

using namespace std::chrono;

constexpr const char* kZoneInfo = "/usr/share/zoneinfo/";
constexpr int kYears[] = {1976, 1981, 1986, 1991, 1996, 2001, 2006, 2009, 2012,
                          2015, 2018, 2021, 2024, 2025, 2026, 2030, 2037};
constexpr int kSpreadPerYear = 10;

// Every zone and link that the database's own index names and that is installed.
std::vector<std::string> InstalledZones() {
    std::vector<std::string> zones;
    std::ifstream index(std::string(kZoneInfo) + "tzdata.zi");
    for (std::string line; std::getline(index, line);) {
        std::istringstream fields(line);
        std::string kind, first, second;
        fields >> kind >> first >> second;
        std::string name = kind == "Z" ? first : kind == "L" ? second : "";
        if (!name.empty() && std::filesystem::is_regular_file(kZoneInfo + name))
            zones.push_back(name);
    }
    return zones;
}

struct CState {
    bool dst;
    long offset;
    bool operator==(const CState&) const = default;
};

CState CLibraryAt(std::int64_t t) {
    const std::time_t at = static_cast<std::time_t>(t);
    std::tm tm{};
    localtime_r(&at, &tm);
    return {tm.tm_isdst > 0, tm.tm_gmtoff};
}

// The C library's view of one UT year: its changes of state, found to the second.
struct YearView {
    std::int64_t start = 0;             // 1 January, 0:00 UT
    std::vector<std::int64_t> changes;  // first second of each new state
    bool seasons = false;               // daylight and standard time both occur
    bool negative = false;
    // The flag changes somewhere with no change of offset: a change of convention (Samara
    // 1991, Casablanca 2018) rather than of season, which the record may read either way.
    bool flagOnly = false;
};

YearView ViewOfYear(int year) {
    YearView view;
    const std::int64_t start = view.start =
        sys_seconds{sys_days{std::chrono::year{year} / 1 / 1}}.time_since_epoch().count();
    const std::int64_t end = start + 366 * 86400;
    bool dstSeen = false, stdSeen = false;
    long maxDst = LONG_MIN, maxStd = LONG_MIN;
    auto note = [&](const CState& s) {
        (s.dst ? dstSeen : stdSeen) = true;
        long& max = s.dst ? maxDst : maxStd;
        if (s.offset > max) max = s.offset;
    };
    std::int64_t previousT = start;
    CState previous = CLibraryAt(start);
    note(previous);
    for (std::int64_t t = start + 43200; t < end; t += 86400) {
        const CState now = CLibraryAt(t);
        if (!(now == previous)) {
            std::int64_t lo = previousT, hi = t;  // state(lo) == previous, state(hi) != previous
            while (hi - lo > 1) {
                const std::int64_t mid = lo + (hi - lo) / 2;
                (CLibraryAt(mid) == previous ? lo : hi) = mid;
            }
            const CState after = CLibraryAt(hi);
            view.changes.push_back(hi);
            if (after.dst != previous.dst && after.offset == previous.offset) view.flagOnly = true;
            note(after);
        }
        note(now);
        previous = now;
        previousT = t;
    }
    view.seasons = dstSeen && stdSeen;
    // Daylight time that lies below standard time is the database's negative saving; the
    // record reads those periods the other way round.
    view.negative = view.seasons && maxDst < maxStd;
    return view;
}

std::int64_t SecondsOf(const SYSTEMTIME& st) {
    const sys_days day{std::chrono::year{st.wYear} / st.wMonth / st.wDay};
    return (sys_seconds{day} + hours{st.wHour} + minutes{st.wMinute} + seconds{st.wSecond})
        .time_since_epoch()
        .count();
}

class ZoneSweep : public testing::Test {
protected:
    clocktest::ClockAndZoneGuard guard_;
    std::vector<std::string> failures_;

    template <typename... Parts>
    void Fail(const std::string& zone, std::int64_t t, const Parts&... parts) {
        const std::time_t at = static_cast<std::time_t>(t);
        std::tm tm{};
        gmtime_r(&at, &tm);
        char when[32];
        std::strftime(when, sizeof when, "%Y-%m-%dT%H:%M:%SZ", &tm);
        std::ostringstream text;
        (text << zone << " at " << when << ": " << ... << parts);
        failures_.push_back(text.str());
    }

    void CheckInstant(const std::string& zone, std::int64_t t, const YearView& view) {
        clocktest::FixClock(clocktest::Instant{seconds{t}});
        TIME_ZONE_INFORMATION info;
        const DWORD status = GetTimeZoneInformation(&info);
        SYSTEMTIME utc, local;
        GetSystemTime(&utc);
        GetLocalTime(&local);
        const CState c = CLibraryAt(t);

        const std::int64_t offset = SecondsOf(local) - SecondsOf(utc);
        if (offset != c.offset)
            Fail(zone, t, "local time offset ", offset, ", C library ", c.offset);

        const DWORD expected = !view.seasons              ? TIME_ZONE_ID_UNKNOWN
                               : (c.dst != view.negative) ? TIME_ZONE_ID_DAYLIGHT
                                                          : TIME_ZONE_ID_STANDARD;
        if (!view.flagOnly && status != expected)
            Fail(zone, t, "status ", status, " not ", expected);

        const long recordOffset =
            -60L * (info.Bias + (status == TIME_ZONE_ID_DAYLIGHT ? info.DaylightBias : 0));
        if (c.offset % 60 == 0 && recordOffset != c.offset)
            Fail(zone, t, "record offset ", recordOffset);
    }
};

TEST_F(ZoneSweep, EveryInstalledZoneAgreesWithTheCLibrary) {
    const std::vector<std::string> zones = InstalledZones();
    ASSERT_GT(zones.size(), 300u) << "the time-zone database index is missing";
    for (const std::string& zone : zones) {
        clocktest::UseZone(zone);
        for (const int year : kYears) {
            const YearView view = ViewOfYear(year);
            for (int i = 0; i < kSpreadPerYear; ++i)
                CheckInstant(zone, view.start + i * (365 * 86400 / kSpreadPerYear) + i * 7919,
                             view);
            // The second before and the second of each change, in this order: a cached
            // period must give way exactly at the change.
            for (const std::int64_t change : view.changes) {
                CheckInstant(zone, change - 1, view);
                CheckInstant(zone, change, view);
            }
        }
    }
    std::string report;
    for (std::size_t i = 0; i < failures_.size() && i < 40; ++i) report += failures_[i] + "\n";
    EXPECT_TRUE(failures_.empty()) << failures_.size() << " disagreements, the first:\n" << report;
}

}  // namespace
