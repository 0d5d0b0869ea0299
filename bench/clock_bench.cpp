// The cost of reading the clock and the zone: GetLocalTime runs on every 400 ms date check of
// the phase window and should stay within 2 microseconds; GetTimeZoneInformation runs once
// per table build.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>

#include "platform/clock/SystemTime.h"

namespace {

// Arg 0: TZ unset, so every call checks the machine's /etc/localtime; 1: TZ names a zone.
void UseZone(const benchmark::State& state) {
    if (state.range(0) == 0)
        unsetenv("TZ");
    else
        setenv("TZ", "Europe/Berlin", 1);
    tzset();
}

void BM_GetSystemTime(benchmark::State& state) {
    SYSTEMTIME time;
    for (auto _ : state) {
        GetSystemTime(&time);
        benchmark::DoNotOptimize(time);
    }
}
BENCHMARK(BM_GetSystemTime);

void BM_GetLocalTime(benchmark::State& state) {
    UseZone(state);
    SYSTEMTIME time;
    for (auto _ : state) {
        GetLocalTime(&time);
        benchmark::DoNotOptimize(time);
    }
}
BENCHMARK(BM_GetLocalTime)->ArgName("tz")->Arg(0)->Arg(1);

void BM_GetTimeZoneInformation(benchmark::State& state) {
    UseZone(state);
    TIME_ZONE_INFORMATION info;
    for (auto _ : state) benchmark::DoNotOptimize(GetTimeZoneInformation(&info));
}
BENCHMARK(BM_GetTimeZoneInformation)->ArgName("tz")->Arg(0)->Arg(1);

// For scale: the C library's own local time, which also consults TZ on each call.
void BM_CLibraryLocaltime(benchmark::State& state) {
    UseZone(state);
    for (auto _ : state) {
        const std::time_t now = std::time(nullptr);
        std::tm tm{};
        benchmark::DoNotOptimize(localtime_r(&now, &tm));
    }
}
BENCHMARK(BM_CLibraryLocaltime)->ArgName("tz")->Arg(0)->Arg(1);

}  // namespace
