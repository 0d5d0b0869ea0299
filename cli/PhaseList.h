// The principal phases of the Moon one after another, as many as asked for or all in a span of
// time: each the instant that TruePhaseInstant gives, used as Universal Time and held to the
// minute as the rows of the phase table hold it.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

namespace cli {

struct Phase {
    std::int64_t lunation;             // k: 0 is the new moon at the start of 1900
    int kind;                          // 0 new moon, 1 first quarter, 2 full moon, 3 last quarter
    std::chrono::sys_seconds instant;  // UT, whole minutes
};

// The phase of that kind in that lunation.
Phase PhaseOf(std::int64_t lunation, int kind);

// The lunation in progress at the instant, as the phase table finds it: its mean new moon is
// at or before the instant, the next one's after it.
std::int64_t LunationAt(std::chrono::sys_seconds instant);

// The `count` phases that follow the instant (strictly after it), in order.
std::vector<Phase> PhasesAfter(std::chrono::sys_seconds instant, int count);

// Every phase from `start` (included) until `end` (excluded), in order.
std::vector<Phase> PhasesBetween(std::chrono::sys_seconds start, std::chrono::sys_seconds end);

}  // namespace cli
