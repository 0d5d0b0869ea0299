#include "cli/KnownZone.h"

#include "platform/clock/ZoneSource.h"

namespace cli {

bool IsKnownZone(const std::string& name) {
    return platform::IsZoneName(name);
}

std::string UnknownZoneProblem(const std::string& name) {
    return "unknown time zone '" + name +
           "': --zone takes a name of the time-zone database such as Europe/Berlin; fixed "
           "offsets are Etc/UTC and Etc/GMT-14 to Etc/GMT+12, signed as in TZ (Etc/GMT-5 "
           "is 5 hours east of UT)";
}

}  // namespace cli
