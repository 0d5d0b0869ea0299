// The phases as an iCalendar file (RFC 5545) that calendar programs import: one event per
// phase, an instant in UTC with no duration, free time, under an identifier that stays the same
// for the same phase, so that importing the file again updates the events instead of adding
// them twice.
#pragma once

#include <string>
#include <string_view>

#include "cli/PhaseReport.h"

namespace cli {

// The calendar of the report's rows, lines folded and ended by CRLF. DTSTAMP is the report's
// clock instant; each event's description gives its true local time in the report's zone.
void WriteCalendar(const PhaseReport& report, Output& out);

// The identifier of a phase: "lunation1359-full-moon@tidewell".
std::string PhaseUid(std::int64_t lunation, int kind);

// One content line, folded so that no line exceeds 75 octets (the CRLF not counted), never
// inside a UTF-8 character; each continuation starts with a space. Ends with CRLF.
std::string FoldLine(std::string_view line);

// A TEXT value: valid UTF-8 with backslash, semicolon, comma and line feed escaped and other
// control characters but tab replaced by U+FFFD.
std::string TextValue(std::string_view text);

}  // namespace cli
