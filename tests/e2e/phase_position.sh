#!/usr/bin/env bash
# phase_position.sh PROGRAM: a window moved with xdotool stores its place for its slot in
# $XDG_CONFIG_HOME/Velmora/Tidewell.conf and reopens there after a restart. A coordinate of
# 0 reopens at 1, a place partly off the left edge is kept, one off every screen opens the
# window centred; the restore's own move is never written back.
. "$(dirname "$0")/lib.sh"
program=$1

# Move to, stored as, reopened at (centred on the 1280 x 800 screen: 386 314).
moves=(
    "123 234 | 123 234 | 123 234"
    "-60 300 | -60 300 | -60 300"
    "0 250   | 0 250   | 1 250"
    "5000 40 | 5000 40 | 386 314"
)

tw_start "$program"
pid=$TW_STARTED
win=$(tw_phase_window "$pid")
tw_expect_slot 0 "$pid"
[ -z "$(tw_stored_position 0)" ] || tw_fail "a fresh configuration has a stored position"

for row in "${moves[@]}"; do
    read -r move_x move_y stored_x stored_y reopened_x reopened_y <<<"${row//|/ }"
    move="$move_x $move_y"
    stored="$stored_x $stored_y"
    reopened="$reopened_x $reopened_y"

    xdotool windowmove "$win" "$move_x" "$move_y"
    tw_until "$TW_WAIT" "position $stored to be stored" tw_stored_is 0 "$stored"
    tw_close 0 "$pid"

    tw_start "$program"
pid=$TW_STARTED
    win=$(tw_phase_window "$pid")
    tw_expect_slot 0 "$pid"
    read -r x y _ < <(tw_geometry "$win")
    [ "$x $y" = "$reopened" ] || tw_fail "moved to $move, reopened at $x $y, not $reopened"
    tw_stored_is 0 "$stored" ||
        tw_fail "after reopening at $reopened the stored position is $(tw_stored_position 0), not $stored"
    tw_note "moved to $move, stored $stored, reopened at $reopened"
done
tw_close 0 "$pid"
