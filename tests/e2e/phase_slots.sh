#!/usr/bin/env bash
# phase_slots.sh PROGRAM: two copies started at the same moment hold instance slots 0 and 1
# (their D-Bus names TWP000 and TWP001, their claims in $XDG_RUNTIME_DIR/tidewell); each
# stores its position under its own slot; after the copy in slot 0 ends, the next copy
# started gets slot 0 while the other keeps slot 1.
. "$(dirname "$0")/lib.sh"
program=$1

tw_start "$program"
first=$TW_STARTED
tw_start "$program"
second=$TW_STARTED

both_slots_held() {
    local zero one
    zero=$(tw_slot_owner 0)
    one=$(tw_slot_owner 1)
    [ -n "$zero" ] && [ -n "$one" ] &&
        { [ "$zero.$one" = "$first.$second" ] || [ "$zero.$one" = "$second.$first" ]; }
}
tw_until "$TW_WAIT" "the two copies to hold slots 0 and 1" both_slots_held
in_zero=$(tw_slot_owner 0)
in_one=$(tw_slot_owner 1)
tw_note "slot 0: process $in_zero, slot 1: process $in_one"
for slot in 000 001; do
    [ -f "$XDG_RUNTIME_DIR/tidewell/TidewellPhaseSem$slot" ] ||
        tw_fail "no claim file TidewellPhaseSem$slot in $XDG_RUNTIME_DIR/tidewell"
done

# The copy in slot 1 stores its place under TWP001 only.
win_one=$(tw_phase_window "$in_one")
tw_phase_window "$in_zero" >/dev/null
xdotool windowmove "$win_one" 40 50
tw_until "$TW_WAIT" "position 40 50 stored for slot 1" tw_stored_is 1 "40 50"
[ -z "$(tw_stored_position 0)" ] || tw_fail "slot 0 has a stored position: $(tw_stored_position 0)"

tw_close 0 "$in_zero"
tw_start "$program"
third=$TW_STARTED
tw_expect_slot 0 "$third"
tw_slot_held_by 1 "$in_one" || tw_fail "slot 1 is no longer held by process $in_one"
tw_close 0 "$third"
tw_close 1 "$in_one"
