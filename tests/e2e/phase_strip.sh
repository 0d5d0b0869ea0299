#!/usr/bin/env bash
# phase_strip.sh PROGRAM CLI [ARGS...]: starts the phase window with ARGS and checks its
# title, its client size and, from a screenshot, the four pictures and the yellow texts
# where they belong, against the phases that `CLI --shown` names for now in the same zone.
# ARGS "south" expects the southern pictures. With TW_RATIO set the window runs at that many
# device pixels per logical pixel.
. "$(dirname "$0")/lib.sh"
program=$1
cli=$2
shift 2
hemisphere=north
[ "${1:-}" = south ] && hemisphere=south

# A fixed zone, so that the window and the table printed here agree on the local date.
export TZ=America/Sao_Paulo

# TW_RATIO: the screen's device pixels per logical pixel, for a window of the same layout.
ratio=${TW_RATIO:-1}
export QT_SCALE_FACTOR=$ratio

tw_start "$program" "$@"
pid=$TW_STARTED
win=$(tw_phase_window "$pid")

read -r _ _ width height < <(tw_geometry "$win")
read -r want_width want_height < <(awk -v r="$ratio" 'BEGIN { printf "%d %d\n", 507 * r + 0.5, 171 * r + 0.5 }')
if ((width < want_width - 1 || width > want_width + 1 || height < want_height - 1 ||
    height > want_height + 1)); then
    tw_fail "client area is ${width}x${height}, not ${want_width}x${want_height}"
fi
title=$(xdotool getwindowname "$win")
[ "$title" = "$TW_TITLE" ] || tw_fail "title is \"$title\""

# The table is read before and after the picture; should the date change in between (a run
# at midnight), the picture is taken once more.
for attempt in 1 2; do
    "$cli" --shown >"$TW_WORK/before.txt"
    kinds=$(tw_expected_kinds "$TW_WORK/before.txt")
    tw_expect_strip "$win" strip "$hemisphere" "$kinds"
    "$cli" --shown >"$TW_WORK/after.txt"
    cmp -s "$TW_WORK/before.txt" "$TW_WORK/after.txt" && break
    [ "$attempt" -eq 1 ] || tw_fail "the table keeps changing"
done
tw_note "strip $kinds ($hemisphere) as the table says:"
cat "$TW_WORK/before.txt"
