// Whether a name given to --zone names a zone: one of the installed time-zone database, or one
// of the fixed-offset names Qt knows ("UTC", "UTC+05:00"). Rule strings and stray words, which
// the C library would quietly read as Universal Time, are not names.
#pragma once

#include <string>

namespace cli {

bool IsKnownZone(const std::string& name);

}  // namespace cli
