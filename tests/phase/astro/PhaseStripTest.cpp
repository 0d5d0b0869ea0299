#include "phase/astro/PhaseStrip.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// A table that turns a year, with a phase late on one day and early the next.
const PhaseEntry kTable[kPhaseRows] = {
    {2009, 11, 16, 23, 59, 0.0}, {2009, 11, 24, 0, 0, 0.25}, {2009, 12, 2, 8, 32, 0.5},
    {2009, 12, 9, 1, 15, 0.75},  {2009, 12, 16, 13, 3, 0.0}, {2009, 12, 24, 17, 36, 0.25},
    {2009, 12, 31, 19, 13, 0.5}, {2010, 1, 7, 10, 39, 0.75}, {2010, 1, 15, 7, 11, 1.0},
};

TEST(FirstRowNotBefore, FindsTheFirstRowOnOrAfterTheDate) {
    const struct {
        int32_t year, month, day, expected;
    } cases[] = {
        {2008, 12, 31, 0}, {2009, 11, 16, 0},         {2009, 11, 17, 1},
        {2009, 11, 24, 1}, {2009, 12, 17, 5},         {2009, 12, 31, 6},
        {2010, 1, 1, 7},   {2010, 1, 16, kPhaseRows}, {2011, 1, 1, kPhaseRows},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FirstRowNotBefore(kTable, c.year, c.month, c.day), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(PhaseKindOf, RecognisesOnlyTheExactFractions) {
    const struct {
        double fraction;
        int32_t kind;
    } cases[] = {
        {0.0, 0}, {-0.0, 0}, {0.25, 1}, {0.5, 2}, {0.75, 3}, {1.0, 3}, {0.2500001, 3}, {0.49, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PhaseKindOf(c.fraction), c.kind) << c.fraction;
    }
}

TEST(PhaseLabel, NamesEveryKindModuloFour) {
    const struct {
        int32_t kind;
        const char* label;
    } cases[] = {
        {0, "New Moon"}, {1, "First Quarter"}, {2, "Full Moon"},          {3, "Last Quarter"},
        {4, "New Moon"}, {-1, "Last Quarter"}, {INT_MAX, "Last Quarter"}, {INT_MIN, "New Moon"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(std::string(PhaseLabel(c.kind)), c.label) << c.kind;
    }
}

}  // namespace
