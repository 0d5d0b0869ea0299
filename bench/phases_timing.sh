#!/usr/bin/env bash
# phases_timing.sh [BUILD_DIR] [RUNS]: the whole-process cost of tidewell-phases, start-up
# included, against the floor of starting any program (/bin/true) and against a program that
# starts Qt's core and its time zones (bench/bare_core). For each command: the median and the
# least wall-clock time of RUNS runs (default 200) and the mean CPU time (user + system) of a
# run; then the year's range and the 10 000 phases beyond the program's start-up
# (--version). Output goes to /dev/null. Targets: start-up well under 20 ms; a year's range
# within 2 ms of it; 10 000 phases within 50 ms of it.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-200}
phases=$build/cli/tidewell-phases
bare=$build/bench/bare_core
if [ ! -x "$phases" ] || [ ! -x "$bare" ]; then
    echo "build them first: cmake --build $build --target tidewell-phases bare_core" >&2
    exit 2
fi
export TZ=Europe/Berlin

# The CPU time of this shell's finished children so far, in microseconds. (times runs in this
# shell, not in a subshell of its own, which would have no children.)
times_file=$(mktemp)
trap 'rm -f "$times_file" "$times_file.0"' EXIT
children_cpu() {
    times >"$times_file"
    awk 'END {
        total = 0
        for (i = 1; i <= 2; i++) { split($i, p, "m"); sub("s", "", p[2]); total += p[1] * 60 + p[2] }
        printf "%d", total * 1e6 }' "$times_file"
}

# measure NAME COMMAND...: prints "NAME median min cpu" in milliseconds.
measure() {
    local name=$1
    shift
    "$@" >/dev/null  # warm the page cache
    local samples=() i start end cpu0 cpu1
    children_cpu >"$times_file.0"
    cpu0=$(<"$times_file.0")
    for ((i = 0; i < runs; i++)); do
        start=$EPOCHREALTIME
        "$@" >/dev/null
        end=$EPOCHREALTIME
        samples+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) * 1000 }')")
    done
    children_cpu >"$times_file.0"
    cpu1=$(<"$times_file.0")
    if command -v perf >/dev/null; then
        # task-clock in milliseconds, the mean of the runs, as microseconds over all runs.
        cpu0=0
        cpu1=$(perf stat -x, -e task-clock -r "$runs" "$@" 2>&1 >/dev/null |
            awk -F, -v runs="$runs" '/task-clock/ { printf "%d", $1 * 1000 * runs }')
    fi
    printf '%s\n' "${samples[@]}" | sort -n | awk -v name="$name" -v cpu=$((cpu1 - cpu0)) -v runs="$runs" '
        { s[NR] = $1 }
        END { printf "%-44s %8.2f %8.2f %8.2f\n", name, s[int((NR + 1) / 2)], s[1], cpu / runs / 1000 }'
}

printf '%-44s %8s %8s %8s\n' "command (TZ=$TZ, $runs runs; ms)" median least cpu
report=$(
    measure "/bin/true" /bin/true
    measure "bare_core (QCoreApplication, QTimeZone)" "$bare"
    measure "tidewell-phases --version" "$phases" --version
    measure "tidewell-phases --next" "$phases" --next
    measure "tidewell-phases (the table)" "$phases"
    measure "--from 2027-01-01 --to 2027-12-31 --json" \
        "$phases" --from 2027-01-01 --to 2027-12-31 --json
    measure "--count 10000" "$phases" --count 10000
    measure "--count 10000 --json" "$phases" --count 10000 --json
    measure "--count 10000 --ics" "$phases" --count 10000 --ics
)
echo "$report"
echo "$report" | awk '
    { cpu[$1 $2] = $NF; median[$1 $2] = $(NF - 2) }
    /--version/ { base = $(NF - 2); basecpu = $NF }
    /^--from/ { year = $(NF - 2); yearcpu = $NF }
    /^--count 10000 *[0-9]/ { count = $(NF - 2); countcpu = $NF }
    END {
        printf "beyond start-up (--version), median and cpu: a year --json %.2f / %.2f ms, " \
               "--count 10000 %.2f / %.2f ms\n", year - base, yearcpu - basecpu,
               count - base, countcpu - basecpu
    }'
