// The work of tidewell-phases beyond its start-up, in its own process: a year's range, 10 000
// phases in each form, the next phase; and, for scale, the zone offsets it reads from the C
// library against what Qt's time zones would cost. Targets: a year's range within 2 ms,
// 10 000 phases within 50 ms.
#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QTimeZone>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/LocalTime.h"
#include "cli/Output.h"
#include "platform/clock/Clock.h"

namespace {

// Arg 0: TZ unset, the machine's zone, which the zone source watches for a change on each
// read; 1: --zone Europe/Berlin.
void Run(benchmark::State& state, std::vector<std::string> arguments) {
    if (state.range(0) == 0) {
        unsetenv("TZ");
    } else {
        arguments.insert(arguments.end(), {"--zone", "Europe/Berlin"});
    }
    arguments.insert(arguments.end(), {"--at", "2026-12-07T12:00:00Z"});
    std::size_t bytes = 0;
    for (auto _ : state) {
        cli::Output out([&bytes](std::string_view text) { bytes += text.size(); });
        const cli::CommandResult result = cli::RunCommand(arguments, out);
        benchmark::DoNotOptimize(result.status);
    }
    state.counters["bytes"] = static_cast<double>(bytes) / static_cast<double>(state.iterations());
    platform::SetClock({});
}

void BM_Year(benchmark::State& state) {
    Run(state, {"--from", "2027-01-01", "--to", "2027-12-31", "--json"});
}
BENCHMARK(BM_Year)->ArgName("zone")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_YearCalendar(benchmark::State& state) {
    Run(state, {"--from", "2027-01-01", "--to", "2027-12-31", "--ics"});
}
BENCHMARK(BM_YearCalendar)->ArgName("zone")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Count10000(benchmark::State& state) {
    Run(state, {"--count", "10000"});
}
BENCHMARK(BM_Count10000)->ArgName("zone")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Count10000Json(benchmark::State& state) {
    Run(state, {"--count", "10000", "--json"});
}
BENCHMARK(BM_Count10000Json)->ArgName("zone")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Count10000Calendar(benchmark::State& state) {
    Run(state, {"--count", "10000", "--ics"});
}
BENCHMARK(BM_Count10000Calendar)->ArgName("zone")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Next(benchmark::State& state) {
    Run(state, {"--next"});
}
BENCHMARK(BM_Next)->ArgName("zone")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The table of the window, as the default output: the zone's record of the year included.
void BM_Table(benchmark::State& state) {
    Run(state, {"--json"});
}
BENCHMARK(BM_Table)->ArgName("zone")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One offset of the zone in force, as the rows read it.
void BM_OffsetAt(benchmark::State& state) {
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    std::chrono::sys_seconds at{std::chrono::seconds{1798761600}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(cli::OffsetAt(at));
        at += std::chrono::hours{177};
    }
}
BENCHMARK(BM_OffsetAt);

// The same with Qt: the zone made once, as a program would keep it, and each offset read.
void BM_QTimeZoneOffset(benchmark::State& state) {
    const QTimeZone zone("Europe/Berlin");
    qint64 at = 1798761600;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(at, Qt::UTC)));
        at += 177 * 3600;
    }
}
BENCHMARK(BM_QTimeZoneOffset);

}  // namespace
