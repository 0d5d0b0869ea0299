// The system time zone as the clock calls read it, expressed in the conventions of
// TIME_ZONE_INFORMATION. The zone is the C library's own, so that every program on the machine
// shows the same local time: TZ in each form the library reads (a name of the time-zone
// database, a zone file's path with or without a leading colon, a POSIX rule such as
// "UTC+05:00", which lies west of UT; empty for UT), or, with TZ unset, the machine's zone file.
// The local offset is the library's answer at the instant; the record's rules are read off the
// library's changes of offset in the instant's year. Those are cached and redone only when TZ,
// the machine's zone or the year changes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/clock/SystemTime.h"

namespace platform {

// Seconds east of Universal Time in force at the instant (0 when the zone cannot be read).
std::int32_t ZoneOffsetAt(std::int64_t utcMsecs);

// Fills *info with the zone's rules for the instant's UT year and returns the TIME_ZONE_ID_*
// status at the instant.
DWORD ZoneRecordAt(std::int64_t utcMsecs, TIME_ZONE_INFORMATION* info);

// The name of the zone now in force: its name in the time-zone database where one is known
// (also for a zone file's path inside the database, and for the machine's zone file when it
// is a link into the database or a copy of the zone that the machine's name file names),
// "UTC" for an empty TZ, else the path or the rule as given.
std::string ZoneName();

// The folder of the time-zone database that zone names are looked up in: TZDIR when it is
// set, else /usr/share/zoneinfo, as the C library does.
std::string ZoneFolder();

// Whether the text names a zone file of the database, without leaving its folder.
bool IsZoneName(const std::string& name);

// Where the machine keeps its zone: the zone file that the C library reads when TZ is unset
// and the file that holds its name. The zone's name and the watch for a change of zone follow
// these paths; the C library reads its own. A test that puts files of its own here names the
// zone file in TZ as well.
struct MachineZoneFiles {
    std::string zone = "/etc/localtime";
    std::string name = "/etc/timezone";
};
void SetMachineZoneFiles(const MachineZoneFiles& files);

}  // namespace platform
