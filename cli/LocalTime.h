// Local time in the zone in force, true at each instant: the offset that the zone's rules give
// for that very instant (the zone source's, which is the C library's), in whole minutes, as
// ISO 8601 writes offsets. Not the phase window's reading of every row by the current year's
// two rules.
#pragma once

#include <chrono>
#include <optional>

namespace cli {

// Minutes east of UT in force at the instant; seconds of an old local mean time are dropped,
// toward zero, as the C library's "%z" drops them.
std::chrono::minutes OffsetAt(std::chrono::sys_seconds instant);

// The wall-clock time at the instant.
std::chrono::local_seconds ToLocal(std::chrono::sys_seconds instant);

// The earliest instant at which the wall clock shows `wall` (the first of the two in an hour
// that repeats), or nothing when a change of offset skips it.
std::optional<std::chrono::sys_seconds> FromLocal(std::chrono::local_seconds wall);

// The first instant at which the wall clock shows `wall` or a later time: the instant itself,
// or for a time that a change of offset skips, the change.
std::chrono::sys_seconds FirstAtOrAfter(std::chrono::local_seconds wall);

}  // namespace cli
