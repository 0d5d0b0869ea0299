// The zone source against the C library for every zone of the installed time-zone database
// (of TZDIR when that is set), whatever its version: at a spread of instants and on both sides
// of every change of offset, the local time and the record's offset agree with localtime_r;
// the status does where the year's daylight and standard times are told apart by their
// offsets; and in a year of one start and one return, the record's dates fall on the days and
// hours of the changes. (Other years' dates are pinned in ZoneRecordTest.)
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
#include "platform/clock/ZoneSource.h"
#include "tests/platform/clock/ClockTestSupport.h"

namespace {

using namespace std::chrono;

constexpr int kYears[] = {1976, 1981, 1986, 1991, 1996, 2001, 2006, 2009, 2012,
                          2015, 2018, 2021, 2024, 2025, 2026, 2030, 2037};
constexpr int kSpreadPerYear = 10;

// Every zone and link that the database's own index names and that is installed.
std::vector<std::string> InstalledZones() {
    const std::string folder = platform::ZoneFolder() + "/";
    std::vector<std::string> zones;
    std::ifstream index(folder + "tzdata.zi");
    for (std::string line; std::getline(index, line);) {
        std::istringstream fields(line);
        std::string kind, first, second;
        fields >> kind >> first >> second;
        std::string name = kind == "Z" ? first : kind == "L" ? second : "";
        if (!name.empty() && std::filesystem::is_regular_file(folder + name)) zones.push_back(name);
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
    std::int64_t start = 0;  // 1 January, 0:00 UT
    struct Change {
        std::int64_t at;  // first second of the new state
        CState before, after;
    };
    std::vector<Change> changes;
    bool seasons = false;  // daylight and standard time both occur
    // The status has a meaning where every daylight offset of the year lies above every
    // standard offset, or every one below (the database's negative saving, which the record
    // reads the other way round). Not so in a year that moves its standard time onto its
    // daylight offset (Casablanca 2026 in tzdata 2026f) or changes the flag alone (Samara 1991).
    bool statusMeant = false;
    bool negative = false;
};

YearView ViewOfYear(int year) {
    YearView view;
    const std::int64_t start = view.start =
        sys_seconds{sys_days{std::chrono::year{year} / 1 / 1}}.time_since_epoch().count();
    const std::int64_t end = start + 366 * 86400;
    long minDst = LONG_MAX, maxDst = LONG_MIN, minStd = LONG_MAX, maxStd = LONG_MIN;
    auto note = [&](const CState& s) {
        (s.dst ? minDst : minStd) = std::min(s.dst ? minDst : minStd, s.offset);
        (s.dst ? maxDst : maxStd) = std::max(s.dst ? maxDst : maxStd, s.offset);
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
            view.changes.push_back({hi, previous, after});
            note(after);
        }
        note(now);
        previous = now;
        previousT = t;
    }
    view.seasons = minDst != LONG_MAX && minStd != LONG_MAX;
    view.negative = view.seasons && maxDst < minStd;
    view.statusMeant = !view.seasons || view.negative || minDst > maxStd;
    return view;
}

// The day of its month on which a relative-form rule falls in the year.
unsigned RuleDay(int year, const SYSTEMTIME& rule) {
    const year_month month{std::chrono::year{year}, std::chrono::month{rule.wMonth}};
    const weekday day{rule.wDayOfWeek};
    const sys_days date =
        rule.wDay >= 5 ? sys_days{month / day[last]} : sys_days{month / day[rule.wDay]};
    return static_cast<unsigned>(year_month_day{date}.day());
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
        if (view.statusMeant && status != expected)
            Fail(zone, t, "status ", status, " not ", expected);

        const long recordOffset =
            -60L * (info.Bias + (status == TIME_ZONE_ID_DAYLIGHT ? info.DaylightBias : 0));
        if (c.offset % 60 == 0 && recordOffset != c.offset)
            Fail(zone, t, "record offset ", recordOffset);

        // One start and one return: the dates are those changes, at the wall-clock time read
        // just before each, in the month, week and weekday that give its day in the year.
        const auto season = [](const YearView::Change& c) { return c.before.dst != c.after.dst; };
        if (!view.statusMeant || view.changes.size() != 2 || !season(view.changes[0]) ||
            !season(view.changes[1]))
            return;
        for (const YearView::Change& change : view.changes) {
            const bool toDaylight = change.after.offset > change.before.offset;
            const SYSTEMTIME& rule = toDaylight ? info.DaylightDate : info.StandardDate;
            const sys_seconds wall{seconds{change.at + change.before.offset}};
            const year_month_day date{floor<days>(wall)};
            const int hour = static_cast<int>(floor<hours>(wall - floor<days>(wall)).count());
            const int year = static_cast<int>(date.year());
            if (rule.wYear != 0 || rule.wMonth != static_cast<unsigned>(date.month()) ||
                RuleDay(year, rule) != static_cast<unsigned>(date.day()) || rule.wHour != hour)
                Fail(zone, t, toDaylight ? "daylight" : "standard", " date ", rule.wMonth, "/",
                     rule.wDayOfWeek, "/", rule.wDay, " ", rule.wHour, "h for the change at ",
                     change.at);
        }
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
            for (const YearView::Change& change : view.changes) {
                CheckInstant(zone, change.at - 1, view);
                CheckInstant(zone, change.at, view);
            }
        }
    }
    std::string report;
    for (std::size_t i = 0; i < failures_.size() && i < 40; ++i) report += failures_[i] + "\n";
    EXPECT_TRUE(failures_.empty()) << failures_.size() << " disagreements, the first:\n" << report;
}

}  // namespace
