// What tidewell-phases prints: the phase table for the clock and zone in force, whole or only
// the window's strip, as aligned text or as one line of JSON.
#pragma once

#include <string>
#include <vector>

#include "phase/astro/PhaseTable.h"

namespace cli {

struct ReportRow {
    PhaseEntry entry;
    std::string phase;  // "New Moon", ... as the strip names it
};

struct PhaseReport {
    std::string now;     // the clock's instant, "YYYY-MM-DDTHH:MM:SSZ"
    std::string zone;    // the zone's name
    std::string status;  // "unknown", "standard", "daylight" or "invalid"
    std::vector<ReportRow> rows;
};

// Builds the table from the clock and zone now in force. With shownOnly, keeps the four rows
// that the window shows today, or none when the window would show none.
PhaseReport MakeReport(bool shownOnly);

// One row a line: phase name, local date and H:MM time, in aligned columns.
std::string FormatText(const PhaseReport& report);

// {"now":...,"zone":...,"status":...,"rows":[{"year":...,"phase":...},...]} and a newline.
std::string FormatJson(const PhaseReport& report);

}  // namespace cli
