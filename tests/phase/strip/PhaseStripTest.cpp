#include "phase/strip/PhaseStrip.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <string>

namespace strip {
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

// Where the strip starts, and the kinds and pictures of its cells: the first kind from the
// row's fraction, the rest following the cycle, so row 8 (fraction 1.0) shows a new moon.
TEST(StripOn, StartsAtTheFirstRowNotBeforeTheDateAndFollowsTheCycle) {
    using Four = std::array<int32_t, kCells>;
    const struct {
        int32_t year, month, day;
        int32_t first, count;
        Four kinds, north, south;
    } cases[] = {
        {2009, 11, 16, 0, 4, {0, 1, 2, 3}, {0, 1, 2, 3}, {4, 5, 6, 7}},
        {2009, 12, 9, 3, 4, {3, 0, 1, 2}, {3, 0, 1, 2}, {7, 4, 5, 6}},
        {2009, 12, 17, 5, 4, {1, 2, 3, 0}, {1, 2, 3, 0}, {5, 6, 7, 4}},
        {2009, 12, 31, 6, 0, {}, {}, {}},
        {2010, 1, 15, 8, 0, {}, {}, {}},
        {2010, 1, 16, kPhaseRows, 0, {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                     std::to_string(c.day));
        const Strip shown = StripOn(kTable, c.year, c.month, c.day);
        EXPECT_EQ(shown.first, c.first);
        ASSERT_EQ(shown.count, c.count);
        for (int32_t i = 0; i < shown.count; ++i) {
            const Cell& cell = shown.cells[i];
            EXPECT_EQ(cell.row, c.first + i) << "cell " << i;
            EXPECT_EQ(cell.kind, c.kinds[i]) << "cell " << i;
            EXPECT_EQ(cell.label.View(), PhaseLabel(c.kinds[i])) << "cell " << i;
            EXPECT_EQ(cell.Picture(false), c.north[i]) << "cell " << i;
            EXPECT_EQ(cell.Picture(true), c.south[i]) << "cell " << i;
        }
    }
}

// The three lines of a cell, character for character as the window paints them.
TEST(CellOf, FormatsTheThreeLinesAsPainted) {
    const struct {
        PhaseEntry entry;
        const char *label, *date, *time;
    } cases[] = {
        {{2026, 12, 24, 2, 29, 0.5}, "Full Moon", "Dec 24", "2:29"},
        {{2027, 1, 1, 0, 0, 0.0}, "New Moon", "Jan 1", "0:00"},
        {{2027, 3, 7, 7, 5, 0.25}, "First Quarter", "Mar 7", "7:05"},
        {{2027, 11, 30, 23, 59, 0.75}, "Last Quarter", "Nov 30", "23:59"},
        {{2027, 0, 5, 12, 0, 0.0}, "New Moon", "xxx 5", "12:00"},
        {{2027, 13, 5, 12, 0, 0.0}, "New Moon", "xxx 5", "12:00"},
        {{2027, -1, 31, 12, 0, 0.0}, "New Moon", "xxx 31", "12:00"},
    };
    for (const auto& c : cases) {
        const Cell cell = CellOf(&c.entry, 0, 0);
        SCOPED_TRACE(c.date);
        for (const auto& [text, expected] :
             {std::pair{&cell.label, c.label}, {&cell.date, c.date}, {&cell.time, c.time}}) {
            EXPECT_EQ(text->View(), expected);
            EXPECT_EQ(std::strlen(text->chars), std::strlen(expected));
        }
    }
}

}  // namespace
}  // namespace strip
