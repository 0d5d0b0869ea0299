// The phases one after another, and local time true at each instant, in the program's own
// process: against the phase calculation itself and against zones compiled for the test.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "cli/LocalTime.h"
#include "cli/PhaseList.h"
#include "phase/astro/PhaseTable.h"
#include "tests/phase/TestClock.h"
#include "tests/platform/clock/ZoneFiles.h"

namespace {

using namespace std::chrono;

// The list is every phase in turn: each kind once per quarter, the lunations counting up, the
// instants in order.
void ExpectConsecutive(const std::vector<cli::Phase>& phases) {
    for (std::size_t i = 1; i < phases.size(); ++i) {
        const cli::Phase& before = phases[i - 1];
        EXPECT_EQ(phases[i].kind, (before.kind + 1) % 4) << i;
        EXPECT_EQ(phases[i].lunation, before.lunation + (before.kind == 3 ? 1 : 0)) << i;
        EXPECT_GT(phases[i].instant, before.instant) << i;
    }
}

// The phase before a phase.
cli::Phase Before(const cli::Phase& phase) {
    return phase.kind == 0 ? cli::PhaseOf(phase.lunation - 1, 3)
                           : cli::PhaseOf(phase.lunation, phase.kind - 1);
}

const sys_seconds kInstants[] = {
    sys_days{1600y / 1 / 1},
    sys_days{1899y / 12 / 31} + 18h,
    sys_days{2009y / 10 / 20} + 12h,
    // The first quarter of lunation 1359 at 21:38 UT, itself and a second later.
    sys_days{2009y / 11 / 24} + 21h + 38min,
    sys_days{2009y / 11 / 24} + 21h + 38min + 1s,
    sys_days{9999y / 6 / 1},
    sys_days{9999y / 12 / 31} + 23h + 59min + 59s,
};

// The lunar theory's instants of lunation 1359 and the next new moon, to the minute, in UT.
TEST(PhaseOf, GivesTheInstantOfTheLunarTheoryToTheMinute) {
    const struct {
        std::int64_t lunation;
        int kind;
        sys_seconds instant;
    } cases[] = {
        {1359, 0, sys_days{2009y / 11 / 16} + 19h + 14min},
        {1359, 1, sys_days{2009y / 11 / 24} + 21h + 38min},
        {1359, 2, sys_days{2009y / 12 / 2} + 7h + 32min},
        {1359, 3, sys_days{2009y / 12 / 9} + 0h + 15min},
        {1360, 0, sys_days{2009y / 12 / 16} + 12h + 3min},
    };
    for (const auto& c : cases) {
        const cli::Phase phase = cli::PhaseOf(c.lunation, c.kind);
        EXPECT_EQ(phase.instant, c.instant) << c.lunation << "/" << c.kind;
        EXPECT_EQ(phase.lunation, c.lunation);
        EXPECT_EQ(phase.kind, c.kind);
    }
}

TEST(PhasesAfter, AreTheNextPhasesInTurn) {
    for (const sys_seconds at : kInstants) {
        SCOPED_TRACE(at.time_since_epoch().count());
        const std::vector<cli::Phase> phases = cli::PhasesAfter(at, 60);
        ASSERT_EQ(phases.size(), 60u);
        ExpectConsecutive(phases);
        EXPECT_GT(phases.front().instant, at);
        EXPECT_LE(Before(phases.front()).instant, at);
    }
    EXPECT_TRUE(cli::PhasesAfter(kInstants[0], 0).empty());
}

TEST(PhasesBetween, HoldEveryPhaseOfTheSpanAndNoneOutside) {
    for (const sys_seconds start : kInstants) {
        SCOPED_TRACE(start.time_since_epoch().count());
        const sys_seconds end = start + days{365};
        const std::vector<cli::Phase> year = cli::PhasesBetween(start, end);
        ASSERT_GE(year.size(), 48u);
        ASSERT_LE(year.size(), 51u);
        ExpectConsecutive(year);
        EXPECT_GE(year.front().instant, start);
        EXPECT_LT(Before(year.front()).instant, start);
        EXPECT_LT(year.back().instant, end);
        const cli::Phase after = cli::PhasesAfter(year.back().instant, 1).front();
        EXPECT_GE(after.instant, end);

        // Cut anywhere, the two parts are the whole: nothing lost or doubled at the cut.
        for (const sys_seconds cut : {year[20].instant, year[20].instant + 1min}) {
            std::vector<cli::Phase> parts = cli::PhasesBetween(start, cut);
            const std::vector<cli::Phase> rest = cli::PhasesBetween(cut, end);
            parts.insert(parts.end(), rest.begin(), rest.end());
            ASSERT_EQ(parts.size(), year.size());
            for (std::size_t i = 0; i < parts.size(); ++i) {
                EXPECT_EQ(parts[i].instant, year[i].instant);
            }
        }
    }
    const sys_seconds at = kInstants[3];  // a phase's minute: the start takes it, the end not
    EXPECT_EQ(cli::PhasesBetween(at, at + 1min).size(), 1u);
    EXPECT_TRUE(cli::PhasesBetween(at - 1min, at).empty());
    EXPECT_TRUE(cli::PhasesBetween(at, at).empty());
}

// In Universal Time the phase window's table holds the same instants: its nine rows are the
// phases from the new moon of the lunation in progress on.
TEST(PhasesBetween, GiveTheInstantsOfTheWindowsTable) {
    SetZone("UTC");
    for (const int year : {1600, 1750, 2009, 2026, 4000, 9999}) {
        SetClock(UtcInstant(year, 6, 15, 12));
        PhaseEntry table[kPhaseRows];
        BuildPhaseTable(table, kPhaseRows);
        const auto instantOf = [](const PhaseEntry& e) {
            return sys_days{std::chrono::year{e.year} / e.month / e.day} + hours{e.hour} +
                   minutes{e.minute};
        };
        const std::vector<cli::Phase> phases =
            cli::PhasesBetween(instantOf(table[0]), instantOf(table[8]) + 1min);
        ASSERT_EQ(phases.size(), 9u) << year;
        for (int row = 0; row < kPhaseRows; ++row) {
            EXPECT_EQ(phases[row].instant, instantOf(table[row])) << year << " row " << row;
            EXPECT_EQ(phases[row].kind, row % 4);
        }
        EXPECT_EQ(phases[0].lunation, cli::LunationAt(floor<seconds>(UtcInstant(year, 6, 15, 12))));
    }
    platform::SetClock({});
}

// Zones of the test's own, each with one kind of change.
constexpr const char* kRules =
    // Clocks forward at 2:00 and back at 3:00 local time.
    "Rule Gap 2027 only - Mar 28 2:00 1:00 -\n"
    "Rule Gap 2027 only - Oct 31 3:00 0 -\n"
    "Zone Test/Gap 1:00 Gap +01/+02\n"
    // Daylight time from midnight, back at midnight.
    "Rule Mid 2027 only - Oct 17 0:00 1:00 -\n"
    "Rule Mid 2028 only - Feb 20 0:00 0 -\n"
    "Zone Test/Midnight -3:00 Mid -03/-02\n"
    // A whole day skipped: the 30th of December 2027.
    "Zone Test/Skip -10:00 - -10 2027 Dec 29 24:00\n"
    "               14:00 - +14\n"
    // Local mean time east and west of Greenwich.
    "Zone Test/East 0:53:28 - LMT 1893 Apr\n"
    "               1:00 - CET\n"
    "Zone Test/West -0:25:21 - LMT 1916 May 21 2:00s\n"
    "               0:00 - GMT\n";

class LocalTimeTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        zones_ = new clocktest::ZoneFiles;
        ASSERT_TRUE(zones_->Compile(kRules));
    }
    static void TearDownTestSuite() {
        delete zones_;
        zones_ = nullptr;
    }
    static void UseZone(const char* name) { SetZone(zones_->Path(name).c_str()); }

    static clocktest::ZoneFiles* zones_;
};
clocktest::ZoneFiles* LocalTimeTest::zones_ = nullptr;

sys_seconds Utc(year_month_day date, seconds time) {
    return sys_days{date} + time;
}
local_seconds Wall(year_month_day date, seconds time) {
    return local_days{date} + time;
}

TEST_F(LocalTimeTest, OffsetsAreInWholeMinutesTowardZero) {
    const struct {
        const char* zone;
        sys_seconds at;
        minutes offset;
    } cases[] = {
        {"Test/East", Utc(1700y / 1 / 1, 0s), 53min},
        {"Test/East", Utc(1900y / 1 / 1, 0s), 60min},
        {"Test/West", Utc(1700y / 1 / 1, 0s), -25min},
        {"Test/Gap", Utc(2027y / 3 / 28, 0h + 59min + 59s), 60min},
        {"Test/Gap", Utc(2027y / 3 / 28, 1h), 120min},
        {"Test/Skip", Utc(2027y / 12 / 30, 9h + 59min), -600min},
        {"Test/Skip", Utc(2027y / 12 / 30, 10h), 840min},
    };
    for (const auto& c : cases) {
        UseZone(c.zone);
        EXPECT_EQ(cli::OffsetAt(c.at), c.offset) << c.zone;
        EXPECT_EQ(cli::ToLocal(c.at), local_seconds{c.at.time_since_epoch() + c.offset});
    }
}

TEST_F(LocalTimeTest, LocalTimesMapToTheirFirstInstantOrToTheChangeThatSkipsThem) {
    const struct {
        const char* zone;
        local_seconds wall;
        sys_seconds first;  // FirstAtOrAfter
        bool exists;        // FromLocal gives it
    } cases[] = {
        {"Test/Gap", Wall(2027y / 3 / 28, 1h + 59min), Utc(2027y / 3 / 28, 59min), true},
        {"Test/Gap", Wall(2027y / 3 / 28, 2h), Utc(2027y / 3 / 28, 1h), false},
        {"Test/Gap", Wall(2027y / 3 / 28, 2h + 30min), Utc(2027y / 3 / 28, 1h), false},
        {"Test/Gap", Wall(2027y / 3 / 28, 3h), Utc(2027y / 3 / 28, 1h), true},
        // 2:30 comes twice in October: the first is the daylight one.
        {"Test/Gap", Wall(2027y / 10 / 31, 2h + 30min), Utc(2027y / 10 / 31, 30min), true},
        {"Test/Gap", Wall(2027y / 10 / 31, 3h + 30min), Utc(2027y / 10 / 31, 2h + 30min), true},
        // Midnight skipped: the day begins at the change, which shows 1:00.
        {"Test/Midnight", Wall(2027y / 10 / 17, 0s), Utc(2027y / 10 / 17, 3h), false},
        // Back at midnight: midnight itself comes once, at the standard offset, and the
        // half hour before it twice.
        {"Test/Midnight", Wall(2028y / 2 / 20, 0s), Utc(2028y / 2 / 20, 3h), true},
        {"Test/Midnight", Wall(2028y / 2 / 19, 23h + 30min), Utc(2028y / 2 / 20, 1h + 30min), true},
        {"Test/Skip", Wall(2027y / 12 / 30, 0s), Utc(2027y / 12 / 30, 10h), false},
        {"Test/Skip", Wall(2027y / 12 / 31, 0s), Utc(2027y / 12 / 30, 10h), true},
        {"Test/East", Wall(1700y / 1 / 1, 0s), Utc(1699y / 12 / 31, 23h + 7min), true},
    };
    for (const auto& c : cases) {
        UseZone(c.zone);
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.wall.time_since_epoch().count()));
        EXPECT_EQ(cli::FirstAtOrAfter(c.wall), c.first);
        const std::optional<sys_seconds> exact = cli::FromLocal(c.wall);
        EXPECT_EQ(exact.has_value(), c.exists);
        if (c.exists) {
            EXPECT_EQ(*exact, c.first);
        }
    }
}

}  // namespace
