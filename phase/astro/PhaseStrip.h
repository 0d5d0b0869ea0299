// What the phase strip shows of the phase table: where the strip starts, and the kind and
// name of each phase. Shared by the phase window and the command-line tool.
#pragma once

#include <cstdint>

#include "phase/astro/PhaseTable.h"

// The strip shows this many consecutive rows.
inline constexpr int32_t kShownRows = 4;
// The last row at which a whole strip fits into the table.
inline constexpr int32_t kLastStripStart = kPhaseRows - kShownRows;

// Index of the first of the kPhaseRows rows whose date is not before the given local date
// (month 1-12); the time of day takes no part. kPhaseRows when there is none.
int32_t FirstRowNotBefore(const PhaseEntry* entries, int32_t year, int32_t month, int32_t day);

// Phase kind of a row's fraction: exactly 0.0 gives 0 (new moon), 0.25 gives 1 (first
// quarter), 0.5 gives 2 (full moon), anything else 3 (last quarter).
int32_t PhaseKindOf(double fraction);

// "New Moon", "First Quarter", "Full Moon" or "Last Quarter"; the kind is taken modulo 4.
const char* PhaseLabel(int32_t kind);
