#include "phase/astro/PhaseTable.h"

#include <algorithm>

#include "phase/astro/Calendar.h"
#include "phase/astro/DaylightRules.h"
#include "phase/astro/Lunation.h"
#include "platform/clock/SystemTime.h"

namespace {

constexpr double kDaysPerMinute = 0.0006944444444444445;

// Which phase each row holds, counted from the lunation in progress, and the fraction stored
// for it: the last row is the new moon one whole lunation after row 4.
struct RowPhase {
    double lunation;
    double phase;
    double fraction;
};
constexpr RowPhase kRows[kPhaseRows] = {
    {0, 0.0, 0.0},   {0, 0.25, 0.25}, {0, 0.5, 0.5},   {0, 0.75, 0.75}, {1, 0.0, 0.0},
    {1, 0.25, 0.25}, {1, 0.5, 0.5},   {1, 0.75, 0.75}, {2, 0.0, 1.0},
};

}  // namespace

void BuildPhaseTable(PhaseEntry* entries, int32_t count) {
    ClockTime clock{};
    ReadClock(&clock, 0);
    const double k = LunationInProgress(ClockToJulianDay(clock));

    double instants[kPhaseRows];
    for (int32_t n = 0; n < kPhaseRows; ++n) {
        instants[n] = TruePhaseInstant(k + kRows[n].lunation, kRows[n].phase);
    }
    for (int32_t n = 0; n < kPhaseRows; ++n) {
        entries[n].fraction = kRows[n].fraction;
    }

    // A zone without daylight saving still has its offset; only a zone that cannot be read
    // leaves the rows in Universal Time.
    TIME_ZONE_INFORMATION zone{};
    const DWORD status = GetTimeZoneInformation(&zone);
    int32_t bias = 0;
    if (status == TIME_ZONE_ID_UNKNOWN || status == TIME_ZONE_ID_STANDARD) {
        bias = zone.Bias;
    } else if (status == TIME_ZONE_ID_DAYLIGHT) {
        bias = zone.Bias + zone.DaylightBias;
    }
    const TransitionPoint standard = TransitionPointOf(zone.StandardDate);
    const TransitionPoint daylight = TransitionPointOf(zone.DaylightDate);
    const bool daylightRules = status == TIME_ZONE_ID_STANDARD || status == TIME_ZONE_ID_DAYLIGHT;

    // Only nine instants exist, and the caller's table has nine rows.
    const int32_t rows = std::min(count, kPhaseRows);
    const double offset = bias * kDaysPerMinute;
    for (int32_t n = 0; n < rows; ++n) {
        PhaseEntry& entry = entries[n];
        double local = instants[n] - offset;
        JulianDayToEntry(local, &entry);
        if (!daylightRules) {
            continue;
        }
        // A row on the other side of a transition from now gets the other offset. The row's
        // hour is in the local time in force now, and the transitions are those of this year.
        const bool inside =
            InDaylightPeriod(entry.month, entry.day, entry.hour, standard, daylight);
        if (status == TIME_ZONE_ID_STANDARD && inside) {
            local = local - zone.DaylightBias * kDaysPerMinute;
        } else if (status == TIME_ZONE_ID_DAYLIGHT && !inside) {
            local = local + zone.DaylightBias * kDaysPerMinute;
        } else {
            continue;
        }
        JulianDayToEntry(local, &entry);
    }
}
