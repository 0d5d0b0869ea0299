#include "phase/astro/DaylightRules.h"

#include <gtest/gtest.h>

#include "tests/phase/astro/TestClock.h"

namespace {

SYSTEMTIME Rule(WORD year, WORD month, WORD dayOfWeek, WORD day, WORD hour = 2) {
    return SYSTEMTIME{year, month, dayOfWeek, day, hour, 0, 0, 0};
}

struct DayCase {
    int year;
    unsigned clockMonth, clockDay;
    WORD month, dayOfWeek, occurrence;
    int32_t expected;
};

// The n-th and last weekday of a month in the year of the clock, the leap day included, read
// on any day of that year.
TEST(TransitionDayOfMonth, ResolvesRelativeRulesInTheClocksYear) {
    const DayCase cases[] = {
        {2009, 6, 15, 3, 0, 2, 8},    {2009, 6, 15, 11, 0, 1, 1}, {2009, 6, 15, 3, 0, 5, 29},
        {2009, 6, 15, 10, 0, 5, 25},  {2009, 6, 15, 10, 0, 1, 4}, {2009, 1, 1, 10, 0, 5, 25},
        {2009, 12, 31, 10, 0, 5, 25}, {2012, 6, 15, 2, 0, 5, 26}, {2012, 6, 15, 3, 0, 5, 25},
        {2012, 6, 15, 10, 0, 1, 7},   {2012, 1, 1, 2, 0, 5, 26},  {2012, 12, 31, 2, 0, 5, 26},
        {2011, 3, 1, 2, 1, 5, 28},    {2010, 7, 4, 4, 0, 1, 4},   {2010, 7, 4, 10, 6, 4, 23},
        {2000, 2, 29, 2, 2, 5, 29},   {1900, 5, 5, 2, 3, 5, 28},
    };
    for (const DayCase& c : cases) {
        SetClock(UtcInstant(c.year, c.clockMonth, c.clockDay, 12));
        EXPECT_EQ(TransitionDayOfMonth(Rule(0, c.month, c.dayOfWeek, c.occurrence)), c.expected)
            << c.year << "-" << c.clockMonth << "-" << c.clockDay << " rule " << c.month << "/"
            << c.dayOfWeek << "/" << c.occurrence;
    }
}

// Zones without daylight saving deliver empty or odd rules; the day stays a day of a month.
TEST(TransitionDayOfMonth, GivesADayOfTheMonthForMalformedRules) {
    SetClock(UtcInstant(2012, 6, 15, 12));
    const SYSTEMTIME rules[] = {
        Rule(0, 0, 0, 0),     Rule(0, 0, 0, 5),         Rule(0, 13, 0, 5),
        Rule(0, 65535, 0, 1), Rule(0, 3, 0, 0),         Rule(0, 2, 9, 5),
        Rule(0, 2, 65535, 5), Rule(0, 7, 65535, 65535), Rule(0, 12, 7, 4),
    };
    for (const SYSTEMTIME& rule : rules) {
        const int32_t day = TransitionDayOfMonth(rule);
        EXPECT_GE(day, 1) << rule.wMonth << "/" << rule.wDayOfWeek << "/" << rule.wDay;
        EXPECT_LE(day, 31) << rule.wMonth << "/" << rule.wDayOfWeek << "/" << rule.wDay;
    }
}

TEST(TransitionPointOf, TakesFixedDatesAsTheyStandAndResolvesRelativeOnes) {
    SetClock(UtcInstant(2009, 10, 20, 12));
    const struct {
        SYSTEMTIME rule;
        TransitionPoint expected;
    } cases[] = {
        {Rule(0, 10, 0, 5, 3), {10, 25, 3}},
        {Rule(0, 3, 0, 5, 2), {3, 29, 2}},
        {Rule(1999, 4, 0, 17, 1), {4, 17, 1}},
        {Rule(2009, 10, 0, 5, 3), {10, 5, 3}},
    };
    for (const auto& c : cases) {
        const TransitionPoint point = TransitionPointOf(c.rule);
        EXPECT_EQ(point.month, c.expected.month);
        EXPECT_EQ(point.day, c.expected.day);
        EXPECT_EQ(point.hour, c.expected.hour);
    }
}

struct PeriodCase {
    int32_t month, day, hour;
    bool inside;
};

void ExpectPeriod(const TransitionPoint& standard, const TransitionPoint& daylight,
                  const PeriodCase& c) {
    EXPECT_EQ(InDaylightPeriod(c.month, c.day, c.hour, standard, daylight), c.inside)
        << c.month << "-" << c.day << " " << c.hour << "h against standard " << standard.month
        << "-" << standard.day << ", daylight " << daylight.month << "-" << daylight.day;
}

TEST(InDaylightPeriod, NorthernPeriodLiesWithinTheYear) {
    const TransitionPoint standard{11, 1, 2};
    const TransitionPoint daylight{3, 8, 2};
    const PeriodCase cases[] = {
        {3, 8, 2, true},  {3, 8, 1, false},    {11, 1, 1, true},   {11, 1, 2, false},
        {7, 15, 0, true}, {12, 15, 12, false}, {1, 15, 12, false}, {3, 7, 23, false},
        {3, 31, 0, true}, {10, 31, 23, true},
    };
    for (const PeriodCase& c : cases) {
        ExpectPeriod(standard, daylight, c);
    }
}

TEST(InDaylightPeriod, SouthernPeriodSpansTheTurnOfTheYear) {
    const TransitionPoint standard{4, 5, 3};
    const TransitionPoint daylight{10, 4, 2};
    const PeriodCase cases[] = {
        {1, 15, 12, true}, {4, 5, 2, true},   {4, 5, 3, false},   {6, 15, 12, false},
        {10, 4, 2, true},  {10, 4, 1, false}, {12, 31, 23, true}, {4, 30, 0, false},
    };
    for (const PeriodCase& c : cases) {
        ExpectPeriod(standard, daylight, c);
    }
}

}  // namespace
