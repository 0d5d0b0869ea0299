// Timing of the phase calculation: one phase instant, the nine rows of the table without the
// zone, and the whole table build with the clock and the zone.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "phase/astro/Calendar.h"
#include "phase/astro/Lunation.h"
#include "phase/astro/PhaseTable.h"
#include "platform/clock/Clock.h"

namespace {

// 2009-11-20 12:00 Universal Time.
constexpr double kNow = 2455156.0;

void BM_TruePhaseInstant(benchmark::State& state) {
    double k = 1359;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TruePhaseInstant(k, 0.25));
        k = k + 1;
    }
}
BENCHMARK(BM_TruePhaseInstant);

// The search for the lunation, the nine instants and their calendar fields.
void BM_NineRows(benchmark::State& state) {
    static constexpr double kPhases[kPhaseRows][2] = {
        {0, 0.0},  {0, 0.25}, {0, 0.5},  {0, 0.75}, {1, 0.0},
        {1, 0.25}, {1, 0.5},  {1, 0.75}, {2, 0.0},
    };
    PhaseEntry entries[kPhaseRows];
    for (auto _ : state) {
        const double k = LunationInProgress(kNow);
        for (int32_t n = 0; n < kPhaseRows; ++n) {
            JulianDayToEntry(TruePhaseInstant(k + kPhases[n][0], kPhases[n][1]), &entries[n]);
        }
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(BM_NineRows);

void BM_BuildPhaseTable(benchmark::State& state) {
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    const auto now =
        std::chrono::sys_days{std::chrono::year{2009} / 11 / 20} + std::chrono::hours{12};
    platform::SetClock([now] { return now; });
    PhaseEntry entries[kPhaseRows];
    for (auto _ : state) {
        BuildPhaseTable(entries, kPhaseRows);
        benchmark::DoNotOptimize(entries);
    }
    platform::SetClock({});
}
BENCHMARK(BM_BuildPhaseTable);

}  // namespace
