#include "phase/astro/PhaseStrip.h"

int32_t FirstRowNotBefore(const PhaseEntry* entries, int32_t year, int32_t month, int32_t day) {
    for (int32_t i = 0; i < kPhaseRows; ++i) {
        const PhaseEntry& row = entries[i];
        // The time of day takes no part: a phase earlier today still counts.
        if (row.year > year ||
            (row.year == year && (row.month > month || (row.month == month && row.day >= day)))) {
            return i;
        }
    }
    return kPhaseRows;
}

int32_t PhaseKindOf(double fraction) {
    // The table stores exact values, so equality is the right test.
    if (fraction == 0.0) {
        return 0;
    }
    if (fraction == 0.25) {
        return 1;
    }
    if (fraction == 0.5) {
        return 2;
    }
    return 3;
}

const char* PhaseLabel(int32_t kind) {
    static constexpr const char* kLabels[4] = {"New Moon", "First Quarter", "Full Moon",
                                               "Last Quarter"};
    return kLabels[((kind % 4) + 4) % 4];
}
