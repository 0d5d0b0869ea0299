#include "phase/astro/DaylightRules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "tests/phase/TestClock.h"

namespace {

SYSTEMTIME Rule(WORD year, WORD month, WORD dayOfWeek, WORD day, WORD hour = 2) {
    return SYSTEMTIME{year, month, dayOfWeek, day, hour, 0, 0, 0};
}

// The n-th and last weekday of a month in the year of the clock, read on any day of that
// year: its first and last days, leap years and the leap day, and a century that is not leap.
TEST(TransitionDayOfMonth, ResolvesRelativeRulesInTheClocksYear) {
    const struct {
        int year;
        unsigned clockMonth, clockDay;
        WORD month, dayOfWeek, occurrence;
        int32_t expected;
    } cases[] = {
        {2009, 6, 15, 3, 0, 2, 8},  {2009, 6, 15, 11, 0, 1, 1},   {2009, 6, 15, 3, 0, 5, 29},
        {2009, 1, 1, 10, 0, 5, 25}, {2009, 12, 31, 10, 0, 5, 25}, {2012, 6, 15, 3, 0, 5, 25},
        {2012, 1, 1, 2, 0, 5, 26},  {2012, 12, 31, 10, 0, 1, 7},  {2011, 3, 1, 2, 1, 5, 28},
        {2010, 7, 4, 10, 6, 4, 23}, {2000, 2, 29, 2, 2, 5, 29},   {1900, 5, 5, 2, 3, 5, 28},
    };
    for (const auto& c : cases) {
        SetUtc(c.year, c.clockMonth, c.clockDay, 12);
        EXPECT_EQ(TransitionDayOfMonth(Rule(0, c.month, c.dayOfWeek, c.occurrence)), c.expected)
            << c.year << "-" << c.clockMonth << "-" << c.clockDay << " rule " << c.month << "/"
            << c.dayOfWeek << "/" << c.occurrence;
    }
}

// Zones without daylight saving deliver empty or odd rules; the day stays a day of a month.
TEST(TransitionDayOfMonth, GivesADayOfTheMonthForMalformedRules) {
    SetUtc(2012, 6, 15, 12);
    for (const SYSTEMTIME& rule : {Rule(0, 0, 0, 0), Rule(0, 13, 0, 5), Rule(0, 65535, 0, 1),
                                   Rule(0, 3, 0, 0), Rule(0, 2, 9, 5), Rule(0, 7, 65535, 65535)}) {
        EXPECT_THAT(TransitionDayOfMonth(rule), testing::AllOf(testing::Ge(1), testing::Le(31)))
            << rule.wMonth << "/" << rule.wDayOfWeek << "/" << rule.wDay;
    }
}

TEST(TransitionPointOf, TakesFixedDatesAsTheyStandAndResolvesRelativeOnes) {
    SetUtc(2009, 10, 20, 12);
    const struct {
        SYSTEMTIME rule;
        TransitionPoint expected;
    } cases[] = {
        {Rule(0, 10, 0, 5, 3), {10, 25, 3}},
        {Rule(0, 3, 0, 5, 2), {3, 29, 2}},
        {Rule(2009, 10, 0, 5, 3), {10, 5, 3}},
    };
    for (const auto& c : cases) {
        const TransitionPoint p = TransitionPointOf(c.rule);
        EXPECT_EQ(std::tie(p.month, p.day, p.hour),
                  std::tie(c.expected.month, c.expected.day, c.expected.hour));
    }
}

// The daylight period starts at the daylight point's hour and ends at the standard point's;
// in the south it spans the turn of the year.
TEST(InDaylightPeriod, HoldsFromTheDaylightToTheStandardPoint) {
    const TransitionPoint north[2] = {{11, 1, 2}, {3, 8, 2}};  // standard, daylight
    const TransitionPoint south[2] = {{4, 5, 3}, {10, 4, 2}};
    const struct {
        const TransitionPoint* points;
        int32_t month, day, hour;
        bool inside;
    } cases[] = {
        {north, 3, 8, 2, true},    {north, 3, 8, 1, false},  {north, 11, 1, 1, true},
        {north, 11, 1, 2, false},  {north, 7, 15, 0, true},  {north, 12, 15, 12, false},
        {north, 1, 15, 12, false}, {north, 3, 31, 0, true},  {north, 10, 31, 23, true},
        {south, 1, 15, 12, true},  {south, 4, 5, 2, true},   {south, 4, 5, 3, false},
        {south, 6, 15, 12, false}, {south, 10, 4, 2, true},  {south, 10, 4, 1, false},
        {south, 12, 31, 23, true}, {south, 4, 30, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InDaylightPeriod(c.month, c.day, c.hour, c.points[0], c.points[1]), c.inside)
            << (c.points == north ? "north " : "south ") << c.month << "-" << c.day << " " << c.hour
            << "h";
    }
}

}  // namespace
