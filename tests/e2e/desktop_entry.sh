#!/usr/bin/env bash
# desktop_entry.sh PROGRAM ENTRY TITLE [MANUAL]: the program's windows are known to the
# desktop by the name of its desktop entry ENTRY (org.velmora.<Program>.desktop): the class of
# the window titled TITLE (WM_CLASS) is that id, as the entry's StartupWMClass says. With the
# manual page MANUAL, each D-Bus call that its examples show (busctl, gdbus) is run as written
# and must open the About box.
. "$(dirname "$0")/lib.sh"
program=$1
entry=$2
title=$3
manual=${4:-}
id=$(basename "$entry" .desktop)
about_title="About TidewellPhase"

wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ "$wm_class" = "$id" ] || tw_fail "$entry: StartupWMClass is '$wm_class', not '$id'"

tw_start "$program"
pid=$TW_STARTED
tw_until "$TW_WAIT" "the window \"$title\"" tw_has_window "$title" "$pid"
win=$(tw_windows_titled "$title" "$pid" | head -n 1)
class=$(xprop -id "$win" WM_CLASS)
expected="WM_CLASS(STRING) = \"$(basename "$program")\", \"$id\""
[ "$class" = "$expected" ] || tw_fail "the window's class: $class; expected $expected"
tw_note "$class"

[ -n "$manual" ] || exit 0

# The examples' commands, their continued lines joined, as a reader would type them.
examples=$TW_WORK/examples
awk '
    /^\.EX/ { inside = 1; next }
    /^\.EE/ { inside = 0; next }
    inside {
        gsub(/\\-/, "-")
        if (sub(/[ ]*\\e$/, " ")) { held = held $0; next }
        line = held $0; held = ""
        sub(/^ +/, "", line); gsub(/  +/, " ", line)
        if (line ~ /^(busctl --user call|gdbus call) /) print line
    }' "$manual" >"$examples"
[ "$(wc -l <"$examples")" -ge 2 ] || tw_fail "$manual shows no busctl and gdbus call"

has_focus() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}
no_about_box() {
    [ -z "$(tw_windows_titled "$about_title")" ]
}
tw_expect_slot 0 "$pid"
while read -r call; do
    bash -c "$call" >/dev/null </dev/null || tw_fail "the manual's example failed: $call"
    tw_until "$TW_WAIT" "the About box after: $call" tw_has_window "$about_title" "$pid"
    about=$(tw_windows_titled "$about_title" "$pid")
    tw_until "$TW_WAIT" "the About box to have the keyboard focus" has_focus "$about"
    xdotool key Return
    tw_until "$TW_WAIT" "Enter to close the About box" no_about_box
    tw_note "the manual's example opened the About box: $call"
done <"$examples"
tw_close 0 "$pid"
