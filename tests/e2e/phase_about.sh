#!/usr/bin/env bash
# phase_about.sh PROGRAM: the system commands that reach the window over D-Bus. 0x0010 and
# 0x001F (its low four bits do not count) open the About box, which Enter closes; 0x0020
# opens nothing; one About box at a time; 0xF060 closes the window, with the About box if it
# is open, and the program ends with status 0.
. "$(dirname "$0")/lib.sh"
program=$1
about_title="About TidewellPhase"

tw_start "$program"
pid=$TW_STARTED
tw_phase_window "$pid" >/dev/null
tw_expect_slot 0 "$pid"

has_focus() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}
no_about_box() {
    [ -z "$(tw_windows_titled "$about_title")" ]
}

for command in 0x0010 0x001F; do
    tw_syscommand 0 $((command))
    tw_until "$TW_WAIT" "the About box after system command $command" \
        tw_has_window "$about_title" "$pid"
    boxes=$(tw_windows_titled "$about_title" | wc -l)
    [ "$boxes" -eq 1 ] || tw_fail "$boxes About boxes after system command $command"
    about=$(tw_windows_titled "$about_title" "$pid")
    tw_until "$TW_WAIT" "the About box to have the keyboard focus" has_focus "$about"
    xdotool key Return
    tw_until "$TW_WAIT" "Enter to close the About box" no_about_box
    tw_alive "$pid"
    tw_note "system command $command opened the About box"
done

# One About box at a time: more commands to open one while it is open do nothing, and the
# close command ends the box, the window and the program.
tw_syscommand 0 $((0x0010))
tw_until "$TW_WAIT" "the About box" tw_has_window "$about_title" "$pid"
for command in 0x0010 0x001F 0x0010; do
    tw_syscommand 0 $((command))
done
boxes=$(tw_windows_titled "$about_title" | wc -l)
[ "$boxes" -le 1 ] || tw_fail "$boxes About boxes at once"
tw_syscommand 0 $((0x0020))
started=$(tw_clock_us)
tw_close 0 "$pid"
tw_note "the close command with the About box open ended the program in $((($(tw_clock_us) - started) / 1000)) ms"
