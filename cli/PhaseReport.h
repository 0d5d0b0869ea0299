// What tidewell-phases prints: the phase table for the clock and zone in force, whole or only
// the window's strip, or a list of phases in true local time; as aligned text, as one line of
// JSON, or one line for the next phase.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/Output.h"
#include "cli/PhaseList.h"
#include "phase/astro/PhaseTable.h"

namespace cli {

struct ReportRow {
    PhaseEntry entry;             // the local date and time as printed, and the row's fraction
    const char* phase = nullptr;  // "New Moon", ... as the strip names it
    std::int64_t lunation = 0;
    int kind = 0;                        // 0 new moon ... 3 last quarter
    std::chrono::sys_seconds instant;    // UT, whole minutes
    std::chrono::minutes offset{0};      // the entry's local time less the instant
    std::chrono::minutes trueOffset{0};  // the zone's offset at the instant (= offset in a list)
};

struct PhaseReport {
    std::chrono::sys_seconds now;  // the clock's instant
    // Filled by DescribeZone:
    std::string zone;    // the zone's name
    std::string status;  // "unknown", "standard", "daylight" or "invalid"
    std::vector<ReportRow> rows;
};

// The phase table from the clock and zone now in force, in the window's local time. With
// shownOnly, keeps the four rows that the window shows today, or none when the window would
// show none.
PhaseReport MakeReport(bool shownOnly);

// The phases in the true local time of each instant, for the clock and zone now in force.
PhaseReport MakeListReport(const std::vector<Phase>& phases);

// Names the zone in force and its status now, as GetTimeZoneInformation gives it. Only the
// JSON and the calendar need them, and the status costs a look at the zone's whole year.
void DescribeZone(PhaseReport* report);

// One row a line: phase name, local date and H:MM time, in aligned columns.
void WriteText(const PhaseReport& report, Output& out);

// The first row and how long until it: "Full Moon  2026-12-24  2:29  in 17 d 4 h".
void WriteNext(const PhaseReport& report, Output& out);

// {"now":...,"zone":...,"status":...,"rows":[{"year":...,"phase":...,"utc":...,"local":...,
// "offset":...},...]} and a newline. With until, the time from now to the first row follows
// the rows: "until":{"minutes":...,"text":"17 d 4 h"}.
void WriteJson(const PhaseReport& report, bool until, Output& out);

// The local time with its offset, "2026-12-24T02:29+01:00", into text; returns its length.
int FormatLocal(std::chrono::local_seconds local, std::chrono::minutes offset, char (&text)[32]);

// Whole minutes from `from` until `to`, rounded up, as "17 d 4 h", "4 h 12 min" or "12 min".
std::string FormatUntil(std::chrono::sys_seconds from, std::chrono::sys_seconds to);

}  // namespace cli
