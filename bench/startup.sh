#!/usr/bin/env bash
# startup.sh [BUILD_DIR] [RUNS] [IDLE_SECONDS]: start-up, memory and idle cost of
# TidewellPhase against a bare Qt dialog of the same size (bench/bare_dialog), on a virtual
# X display of its own, a session bus of its own and fresh XDG folders.
#   - time from exec to the window being mapped (MapNotify on the root window, seen by xev)
#     and to its first painted pixels (the first picture of the window, taken with xwd
#     over and over, that is not all black; the display's root is black);
#   - resident memory (VmRSS, and Pss) 2 s after exec;
#   - CPU time and context switches (wakeups) of all threads over IDLE_SECONDS of idling.
# The two programs start alternately, RUNS times each (default 15); medians are reported.
# Targets: start-up <= 1.1 x the bare dialog's; idle CPU <= 10 ms per 30 s; memory <= 1.1 x.
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

phase=$build/phase/app/TidewellPhase
bare=$build/bench/bare_dialog
for program in "$phase" "$bare"; do
    [ -x "$program" ] || {
        echo "missing $program: cmake --build $build --target TidewellPhase bare_dialog" >&2
        exit 2
    }
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

echo "Start-up: $runs runs each, alternating (ms from exec; memory 2 s after exec, kB)"
for ((i = 1; i <= runs; i++)); do
    measure_start "$phase" >>"$work/phase"
    measure_start "$bare" >>"$work/bare"
done

declare -A result
for name in phase bare; do
    for column in 1 2 3 4; do
        result[$name.$column]=$(awk -v c="$column" '{ print $c }' "$work/$name" | median)
    done
done
printf '%-14s %10s %10s %10s %10s\n' "" "map ms" "paint ms" "RSS kB" "Pss kB"
for name in phase bare; do
    printf '%-14s %10s %10s %10s %10s\n' "$([ "$name" = phase ] && echo TidewellPhase || echo bare_dialog)" \
        "${result[$name.1]}" "${result[$name.2]}" "${result[$name.3]}" "${result[$name.4]}"
done
awk -v pm="${result[phase.1]}" -v bm="${result[bare.1]}" -v pp="${result[phase.2]}" \
    -v bp="${result[bare.2]}" -v pr="${result[phase.3]}" -v br="${result[bare.3]}" 'BEGIN {
        printf "ratio         %10.2f %10.2f %10.2f   (targets <= 1.10)\n", pm / bm, pp / bp, pr / br
    }'

echo "Idle: both programs side by side, ${idle_seconds}s after 2s of start-up"
"$phase" &
phase_pid=$!
children+=("$phase_pid")
"$bare" &
bare_pid=$!
children+=("$bare_pid")
sleep 2
read -r -a phase_before < <(idle_counters "$phase_pid")
read -r -a bare_before < <(idle_counters "$bare_pid")
sleep "$idle_seconds"
read -r -a phase_after < <(idle_counters "$phase_pid")
read -r -a bare_after < <(idle_counters "$bare_pid")

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
idle_row TidewellPhase "$phase_pid" "${phase_before[@]}" "${phase_after[@]}"
idle_row bare_dialog "$bare_pid" "${bare_before[@]}" "${bare_after[@]}"
echo "(target: TidewellPhase CPU <= $((idle_seconds / 3)) ms; its 400 ms timer alone wakes it $((idle_seconds * 10 / 4)) times)"
