#include "cli/PhaseList.h"

#include "phase/astro/Calendar.h"
#include "phase/astro/Lunation.h"
#include "phase/astro/PhaseTable.h"

namespace cli {

using namespace std::chrono;

namespace {

// The Julian day of an instant, as the phase table takes it from the clock.
double JulianDayOf(sys_seconds instant) {
    const sys_days day = floor<days>(instant);
    const year_month_day date{day};
    const hh_mm_ss time{instant - day};
    return DateToJulianDay(
        static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())) - 1,
        static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(time.hours().count()),
        static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
}

// Calls `take` with each phase from the lunation before the one in progress at the instant on,
// until it returns false. The last quarter of that lunation lies a week before the mean new
// moon that begins the current one, so every phase after the instant is among them.
template <typename Take>
void EachPhaseFrom(sys_seconds instant, Take take) {
    for (std::int64_t lunation = LunationAt(instant) - 1;; ++lunation) {
        for (int kind = 0; kind < 4; ++kind) {
            if (!take(PhaseOf(lunation, kind))) {
                return;
            }
        }
    }
}

}  // namespace

Phase PhaseOf(std::int64_t lunation, int kind) {
    PhaseEntry ut{};
    JulianDayToEntry(TruePhaseInstant(static_cast<double>(lunation), kind * 0.25), &ut);
    // Hour 24 is the next day's midnight, which the sum gives.
    const sys_days day{year{ut.year} / ut.month / ut.day};
    return {lunation, kind, day + hours{ut.hour} + minutes{ut.minute}};
}

std::int64_t LunationAt(sys_seconds instant) {
    return static_cast<std::int64_t>(LunationInProgress(JulianDayOf(instant)));
}

std::vector<Phase> PhasesAfter(sys_seconds instant, int count) {
    std::vector<Phase> phases;
    if (count <= 0) {
        return phases;
    }
    phases.reserve(static_cast<std::size_t>(count));
    EachPhaseFrom(instant, [&](const Phase& phase) {
        if (phase.instant > instant) {
            phases.push_back(phase);
        }
        return phases.size() < static_cast<std::size_t>(count);
    });
    return phases;
}

std::vector<Phase> PhasesBetween(sys_seconds start, sys_seconds end) {
    std::vector<Phase> phases;
    if (end <= start) {
        return phases;
    }
    // 49.5 phases a year; one more lunation for the ends.
    phases.reserve(static_cast<std::size_t>(duration_cast<days>(end - start).count() / 7 + 8));
    EachPhaseFrom(start, [&](const Phase& phase) {
        if (phase.instant >= end) {
            return false;
        }
        if (phase.instant >= start) {
            phases.push_back(phase);
        }
        return true;
    });
    return phases;
}

}  // namespace cli
