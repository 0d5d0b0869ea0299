// Whether a name given to --zone names a zone: a zone file of the installed time-zone database
// (in TZDIR when that is set). Paths, rule strings and stray words are not names: the C library
// would read "UTC+05:00" as a rule five hours west of UT, where the eye reads it east, and a
// stray word as Universal Time.
#pragma once

#include <string>

namespace cli {

bool IsKnownZone(const std::string& name);

// The one-line refusal of a name that is not one, naming the database's fixed zones.
std::string UnknownZoneProblem(const std::string& name);

}  // namespace cli
