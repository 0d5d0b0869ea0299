#!/usr/bin/env bash
# store_load.sh [BUILD_DIR] [COPIES] [MOVES]: the position store under load. COPIES copies of
# TidewellPhase (default 20) run side by side on a virtual X display of their own, a session
# bus of their own and fresh XDG folders (tests/e2e/run-e2e.sh); every window is moved MOVES
# times (default 50), all windows at once (bench/move_windows). Reports:
#   1. how long after the last move every slot's last place is in the settings file
#      (target: under 1 s), and the longest answer of any window to a D-Bus call during the
#      moves and for 2 s after (bench/bus_latency; target: under 100 ms);
#   2. the same moves again, then SIGTERM to every copy 0.5 s after the last move (as at
#      logout): how many slots' last places the file keeps (target: all of them);
#   3. as 2, with SIGTERM at once after the last move.
# Needs xvfb, xauth, xdotool (to find the windows), dbus.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
copies=${2:-20}
moves=${3:-50}

# Once more inside a sandbox of its own, with a session bus and an X display of its own.
if [ -z "${TW_SANDBOX:-}" ]; then
    exec "$root/tests/e2e/run-e2e.sh" "$0" "$build" "$copies" "$moves"
fi

phase=$build/phase/app/TidewellPhase
latency=$build/bench/bus_latency
mover=$build/bench/move_windows
for program in "$phase" "$latency" "$mover"; do
    [ -x "$program" ] || {
        echo "missing $program: cmake --build $build --target TidewellPhase bus_latency move_windows" >&2
        exit 2
    }
done
conf=$XDG_CONFIG_HOME/Velmora/Tidewell.conf
work=$TW_SANDBOX
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

now_ms() {
    local now=${EPOCHREALTIME//[.,]/}
    echo $((10#$now / 1000))
}

bus_name() {
    printf 'org.velmora.TidewellPhase.TWP%03d' "$1"
}

slot_owner() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$(bus_name "$1")" \
        2>/dev/null | awk '/uint32/ { print $2 }' || true
}

# until_true WHAT COMMAND [ARGS...]: runs COMMAND every 50 ms until it succeeds, for 10 s at
# most; then ends the script saying that WHAT never happened.
until_true() {
    local what=$1 tries
    shift
    for ((tries = 0; tries < 200; tries++)); do
        "$@" && return 0
        sleep 0.05
    done
    echo "$what" >&2
    exit 1
}

# Sets OWNER to the pid of the copy that holds the slot's bus name; false when none does.
find_owner() {
    OWNER=$(slot_owner "$1")
    [ -n "$OWNER" ]
}

# Sets FOUND to the phase window of the process; false while it has none.
find_window() {
    FOUND=$(xdotool search --all --onlyvisible --pid "$1" --name '^Tidewell Upcoming Phases$' \
        2>/dev/null | head -n 1 || true)
    [ -n "$FOUND" ]
}

# Starts the copies all at once and waits until each holds its slot's bus name and shows its
# window; fills COPY_PID and WINDOW by slot.
start_copies() {
    local slot
    COPY_PID=()
    WINDOW=()
    for ((slot = 0; slot < copies; slot++)); do
        "$phase" &
        pids+=($!)
    done
    for ((slot = 0; slot < copies; slot++)); do
        until_true "no copy holds slot $slot" find_owner "$slot"
        COPY_PID[slot]=$OWNER
        until_true "no window of slot $slot" find_window "$OWNER"
        WINDOW[slot]=$FOUND
    done
}

# The place of the window of slot S after move K.
place() {
    echo "$((10 + 12 * $1 + 5 * ($2 % 50))) $((10 + 25 * $1 + 2 * ($2 % 50) + $2 / 50))"
}

# Moves every window MOVES times (moves FIRST .. FIRST+MOVES-1), all windows at once: every
# move is sent to the X server in one go, window after window and move after move; sets
# MOVE_START_MS and LAST_MOVE_MS to when the moves were sent and when the server had made
# them all.
move_all() {
    local first=$1 slot k
    for ((k = first; k < first + moves; k++)); do
        for ((slot = 0; slot < copies; slot++)); do
            echo "${WINDOW[slot]} $(place "$slot" "$k")"
        done
    done >"$work/moves"
    MOVE_START_MS=$(now_ms)
    "$mover" <"$work/moves"
    LAST_MOVE_MS=$(now_ms)
}

# How many slots' stored places are the last places of move K.
stored_last() {
    local k=$1 slot expected=""
    for ((slot = 0; slot < copies; slot++)); do
        expected+="$(printf 'TWP%03d' "$slot") $(place "$slot" "$k")"$'\n'
    done
    [ -f "$conf" ] || {
        echo 0
        return
    }
    awk -F= -v expected="$expected" '
        BEGIN { n = split(expected, rows, "\n"); for (i = 1; i <= n; i++) if (rows[i] != "") want[rows[i]] = 1 }
        /^\[/ { section = substr($0, 2, length($0) - 2) }
        $1 == "Xpos" { x[section] = $2 }
        $1 == "Ypos" { y[section] = $2 }
        END { for (s in x) if ((s " " x[s] " " y[s]) in want) good++; print good + 0 }' "$conf"
}

terminate_all() {
    local slot
    for ((slot = 0; slot < copies; slot++)); do kill -TERM "${COPY_PID[slot]}"; done
    for ((slot = 0; slot < copies; slot++)); do
        while kill -0 "${COPY_PID[slot]}" 2>/dev/null; do sleep 0.01; done
    done
}

echo "Round 1: $copies copies, $moves moves each, all at once"
start_copies
services=()
for ((slot = 0; slot < copies; slot++)); do services+=("$(bus_name "$slot")"); done
"$latency" 600 "${services[@]}" >"$work/latency" &
latency_pid=$!
pids+=("$latency_pid")
sleep 1
move_all 0
until [ "$(stored_last $((moves - 1)))" -eq "$copies" ]; do
    (($(now_ms) - LAST_MOVE_MS < 10000)) || break
    sleep 0.01
done
stored_ms=$(($(now_ms) - LAST_MOVE_MS))
echo "  the moves took $((LAST_MOVE_MS - MOVE_START_MS)) ms"
echo "  $(stored_last $((moves - 1))) of $copies last places in the file ${stored_ms} ms after the last move (target < 1000 ms)"
sleep 2
kill -TERM "$latency_pid" 2>/dev/null || true
wait "$latency_pid" 2>/dev/null || true
awk '/median/ { sub(/ ms/, "", $7); if ($7 > worst) worst = $7 }
     END { printf "  D-Bus: the slowest window answered in %s ms at the median\n", worst }' \
    "$work/latency"
tail -n 1 "$work/latency" | sed 's/^/  D-Bus: /; s/$/ (target < 100 ms)/'
terminate_all

round=1
for delay in 0.5 0; do
    rm -f "$conf"
    round=$((round + 1))
    echo "Round $round: the same moves, SIGTERM ${delay} s after the last move"
    start_copies
    move_all "$moves"
    sleep "$delay"
    terminate_all
    echo "  $(stored_last $((2 * moves - 1))) of $copies last places kept"
done
