#!/usr/bin/env bash
# screenshot.sh PROGRAM OUTPUT.png [ARGS...]: runs PROGRAM on the current X display, waits for
# its window, saves a picture of that window and closes the program.
set -euo pipefail
program=$1; out=$2; shift 2
"$program" "$@" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
win=$(timeout 15 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
sleep 1 # let the first paint land
import -window "$win" "$out"
echo "Saved $out"
