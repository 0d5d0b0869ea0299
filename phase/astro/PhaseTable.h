// The table of upcoming phases: nine consecutive principal phases of the Moon, starting with
// the new moon of the lunation in progress, in local civil time.
#pragma once

#include <cstdint>

// One row of the table.
struct PhaseEntry {
    int32_t year;   // full year, e.g. 2009
    int32_t month;  // 1-12
    int32_t day;
    int32_t hour;
    int32_t minute;
    double fraction;  // 0.0, 0.25, 0.5, 0.75 for rows 0-7 in turn; 1.0 for row 8
};

inline constexpr int32_t kPhaseRows = 9;

// Fills the calendar fields of rows 0 to count - 1 (count at most kPhaseRows) from the clock
// and the machine's zone, and the fraction of all kPhaseRows rows. Rows are in time order, and
// the first row whose date is not before today has index 5 or less.
void BuildPhaseTable(PhaseEntry* entries, int32_t count);
