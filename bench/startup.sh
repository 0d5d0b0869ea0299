#!/usr/bin/env bash
# startup.sh [BUILD_DIR] [RUNS] [IDLE_SECONDS]: start-up, memory and idle cost of
# TidewellPhase against two plain Qt programs of its size: bench/same_paint, which paints the
# same strip (four 120 x 120 pictures, twelve short texts) and runs the same 400 ms timer, and
# bench/bare_dialog, an empty dialog. Each on a virtual X display of its own, a session bus of
# its own and fresh XDG folders:
#   - time from exec to the window being mapped (MapNotify on the root window, seen by xev)
#     and to its first painted pixels (the first picture of the window, taken with xwd
#     over and over, that is not all black; the display's root is black);
#   - resident memory (VmRSS, and Pss) 2 s after exec;
#   - CPU time and context switches (wakeups) of all threads over IDLE_SECONDS of idling.
# The programs' own files are written back and dropped from the page cache first, so that each
# is read from disk as after an installation or a reboot: a file the linker has just written
# sits in the cache in large pieces, which are mapped whole and would count a freshly built
# program's untouched pages as resident.
# The programs start in turn, RUNS times each (default 15); medians are reported.
# Targets against same_paint: start-up (map and paint) <= 1.0 x, memory <= 1.02 x, idle CPU
# no more than its own.
# Needs xvfb, xauth, x11-utils (xev), x11-apps (xwd), dbus.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-15}
idle_seconds=${3:-30}

if [ -z "${TW_BENCH_DISPLAY:-}" ]; then
    sandbox=$(mktemp -d)
    trap 'rm -rf "$sandbox"' EXIT
    mkdir -p "$sandbox/config" "$sandbox/runtime"
    chmod 0700 "$sandbox/runtime"
    export XDG_CONFIG_HOME=$sandbox/config XDG_RUNTIME_DIR=$sandbox/runtime TW_BENCH_DISPLAY=1
    unset QT_QPA_PLATFORM
    status=0
    dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24 -br" \
        bash "$0" "$build" "$runs" "$idle_seconds" 2> >(grep -v 'Failed to set fd limit' >&2) ||
        status=$?
    exit "$status"
fi

names=(TidewellPhase same_paint bare_dialog)
declare -A path=([TidewellPhase]=$build/phase/app/TidewellPhase [same_paint]=$build/bench/same_paint
    [bare_dialog]=$build/bench/bare_dialog)
for name in "${names[@]}"; do
    [ -x "${path[$name]}" ] || {
        echo "missing ${path[$name]}: cmake --build $build --target ${names[*]}" >&2
        exit 2
    }
done
sync
for name in "${names[@]}"; do
    dd if="${path[$name]}" iflag=nocache count=0 status=none
done
work=$(mktemp -d)
children=()
cleanup() {
    local pid
    for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# NOW: microseconds since the epoch (no subshell, so it costs nothing to take).
now_us() {
    local now=${EPOCHREALTIME//[.,]/}
    NOW=$((10#$now))
}

# Every top-level map on the display, as xev reports it, line by line.
coproc XEV { exec stdbuf -oL xev -root -event substructure; }
children+=("$XEV_PID")
sleep 0.5 # xev has selected the root's events well before the first start

# Reads xev's report until a MapNotify arrives: its time goes into MAP_US, the mapped
# window into MAP_WINDOW.
next_map() {
    local line
    while IFS= read -r -t 10 -u "${XEV[0]}" line; do
        if [[ $line == MapNotify* ]]; then
            now_us
            MAP_US=$NOW
            IFS= read -r -t 1 -u "${XEV[0]}" line # "    event 0x..., window 0x..., ..."
            line=${line##*window }
            MAP_WINDOW=${line%%,*}
            return 0
        fi
    done
    return 1
}

# True once the window (507 x 171, 32 bits per pixel) holds a pixel that is not black.
painted() {
    local size=$((507 * 171 * 4))
    ! xwd -id "$1" -silent 2>/dev/null | tail -c "$size" | cmp -s -n "$size" - /dev/zero
}

# "<resident kB> <proportional kB>" of the process.
memory_of() {
    local rss pss
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$1/status")
    pss=$(awk '/^Pss:/ { print $2 }' "/proc/$1/smaps_rollup")
    echo "$rss $pss"
}

# Milliseconds with one decimal from a span of microseconds.
ms() {
    printf '%d.%d' $(($1 / 1000)) $(($1 % 1000 / 100))
}

# One start: prints "<ms to map> <ms to paint> <rss kB> <pss kB>".
measure_start() {
    local program=$1 start pid
    now_us
    start=$NOW
    "$program" &
    pid=$!
    next_map || {
        echo "no window from $program" >&2
        exit 1
    }
    # The paint lands between two pictures; the time taken is the start of the first
    # picture that shows it, so the resolution is one xwd run (a few milliseconds).
    local paint
    while now_us && paint=$NOW && ! painted "$MAP_WINDOW"; do
        ((NOW - start < 10000000)) || {
            echo "$program never painted" >&2
            exit 1
        }
    done
    now_us
    local rest=$((start + 2000000 - NOW))
    ((rest <= 0)) || sleep "$(awk -v us="$rest" 'BEGIN { printf "%.6f", us / 1e6 }')"
    echo "$(ms $((MAP_US - start))) $(ms $((paint - start))) $(memory_of "$pid")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    # The display server tidies up after a client that has gone while the next one starts; a
    # pause keeps that from any start, whichever program went before.
    sleep 0.3
}

# CPU nanoseconds and context switches (voluntary, involuntary) of all threads.
idle_counters() {
    local task cpu=0 voluntary=0 involuntary=0 run v n
    for task in /proc/"$1"/task/*; do
        read -r run _ <"$task/schedstat"
        v=$(awk '/^voluntary_ctxt_switches:/ { print $2 }' "$task/status")
        n=$(awk '/^nonvoluntary_ctxt_switches:/ { print $2 }' "$task/status")
        cpu=$((cpu + run))
        voluntary=$((voluntary + v))
        involuntary=$((involuntary + n))
    done
    echo "$cpu $voluntary $involuntary"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "Start-up: $runs runs each, in turn (ms from exec; memory 2 s after exec, kB)"
for ((i = 1; i <= runs; i++)); do
    for name in "${names[@]}"; do
        measure_start "${path[$name]}" >>"$work/$name"
    done
done

declare -A result
for name in "${names[@]}"; do
    for column in 1 2 3 4; do
        result[$name.$column]=$(awk -v c="$column" '{ print $c }' "$work/$name" | median)
    done
done
printf '%-14s %10s %10s %10s %10s\n' "" "map ms" "paint ms" "RSS kB" "Pss kB"
for name in "${names[@]}"; do
    printf '%-14s %10s %10s %10s %10s\n' "$name" "${result[$name.1]}" "${result[$name.2]}" \
        "${result[$name.3]}" "${result[$name.4]}"
done
for yardstick in same_paint bare_dialog; do
    awk -v name="$yardstick" -v pm="${result[TidewellPhase.1]}" -v bm="${result[$yardstick.1]}" \
        -v pp="${result[TidewellPhase.2]}" -v bp="${result[$yardstick.2]}" \
        -v pr="${result[TidewellPhase.3]}" -v br="${result[$yardstick.3]}" \
        -v ps="${result[TidewellPhase.4]}" -v bs="${result[$yardstick.4]}" 'BEGIN {
            printf "%-14s %10.2f %10.2f %10.2f %10.2f\n", "x " name, pm / bm, pp / bp, pr / br, ps / bs
        }'
done
echo "(targets against same_paint: map and paint <= 1.00, RSS <= 1.02)"

echo "Idle: the programs side by side, ${idle_seconds}s after 2s of start-up"
declare -A pid before after
for name in "${names[@]}"; do
    "${path[$name]}" &
    pid[$name]=$!
    children+=("${pid[$name]}")
done
sleep 2
for name in "${names[@]}"; do
    before[$name]=$(idle_counters "${pid[$name]}")
done
sleep "$idle_seconds"
for name in "${names[@]}"; do
    after[$name]=$(idle_counters "${pid[$name]}")
done

# idle_row NAME PID BEFORE... AFTER...: one line of the idle table.
idle_row() {
    local name=$1 pid=$2
    shift 2
    local threads
    threads=$(awk '/^Threads:/ { print $2 }' "/proc/$pid/status")
    printf '%-14s %10.2f %12d %14d %8d\n' "$name" "$(awk -v n=$(($4 - $1)) 'BEGIN { print n / 1e6 }')" \
        $(($5 - $2)) $(($6 - $3)) "$threads"
}
printf '%-14s %10s %12s %14s %8s\n' "" "CPU ms" "voluntary" "involuntary" "threads"
for name in "${names[@]}"; do
    # shellcheck disable=SC2086 # the counters are three words each
    idle_row "$name" "${pid[$name]}" ${before[$name]} ${after[$name]}
done
echo "(target: TidewellPhase's CPU no more than same_paint's; a 400 ms timer alone wakes a program $((idle_seconds * 10 / 4)) times)"
