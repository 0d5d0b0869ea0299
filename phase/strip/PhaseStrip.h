// What the phase strip shows for a phase table and a local date: the row it starts at, and for
// each of its four cells the phase kind, the picture and the three lines of text exactly as the
// phase window paints them. The window, tidewell-phases and everything else that speaks of the
// strip take it from here, so that they never disagree. Standard C++ only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "phase/astro/PhaseTable.h"

namespace strip {

// The strip shows this many consecutive rows, one a cell.
inline constexpr int32_t kCells = 4;
// The pictures a cell chooses from: one a phase kind for the north, then the same for the south.
inline constexpr int32_t kPictures = 8;
// Each text is formatted as 8-bit characters into a buffer of this size, terminator included.
inline constexpr std::size_t kTextChars = 32;

// One line of text under a picture.
struct Text {
    char chars[kTextChars];  // terminated
    int32_t length;          // the characters before the terminator, at most kTextChars - 1

    std::string_view View() const { return {chars, static_cast<std::size_t>(length)}; }
};

// What one row of the table shows.
struct Cell {
    int32_t row;   // index into the table
    int32_t kind;  // 0 new moon, 1 first quarter, 2 full moon, 3 last quarter
    Text label;    // "Full Moon"
    Text date;     // "Dec 24": the month's three letters ("xxx" outside 1-12), the day unpadded
    Text time;     // "2:29": 24-hour clock, the hour unpadded

    // Index into the kPictures pictures: the kind in the north, 4 + the kind in the south.
    int32_t Picture(bool south) const { return south ? 4 + kind : kind; }
};

// What the strip shows on one local date.
struct Strip {
    int32_t first;  // the first row whose date is not before that date; kPhaseRows when none is
    // kCells when a whole strip is left from `first` on (first at most kPhaseRows - kCells),
    // otherwise 0: the strip shows nothing at all.
    int32_t count;
    Cell cells[kCells];  // rows first to first + count - 1
};

// The strip of the kPhaseRows rows of `table` on the local date (month 1-12); the time of day
// takes no part, so a phase earlier that day still leads.
Strip StripOn(const PhaseEntry* table, int32_t year, int32_t month, int32_t day);

// The cell of `row` in a run of rows that starts at `first` (0 <= first <= row < kPhaseRows):
// the kind of the first row follows from its fraction, and each later row's kind follows the
// cycle from there, so that the last row (fraction 1.0) after a new moon is a new moon again.
Cell CellOf(const PhaseEntry* table, int32_t first, int32_t row);

// Index of the first of the kPhaseRows rows whose date is not before the given local date
// (month 1-12); the time of day takes no part. kPhaseRows when there is none.
int32_t FirstRowNotBefore(const PhaseEntry* entries, int32_t year, int32_t month, int32_t day);

// What a cell says when read out rather than seen: its three lines in order, as in
// "Full Moon, Dec 24, 2:29".
std::string SpokenName(const Cell& cell);

// How a picture is seen: "Seen from the northern hemisphere" or "... southern ...".
const char* PictureHemisphere(bool south);

// Phase kind of a row's fraction: exactly 0.0 gives 0 (new moon), 0.25 gives 1 (first
// quarter), 0.5 gives 2 (full moon), anything else 3 (last quarter).
int32_t PhaseKindOf(double fraction);

// "New Moon", "First Quarter", "Full Moon" or "Last Quarter"; the kind is taken modulo 4.
const char* PhaseLabel(int32_t kind);

}  // namespace strip
