#!/usr/bin/env bash
# phase_accessible_midnight.sh PROGRAM CLI: with assistive technology on, runs the phase window
# on a clock moved (libfaketime) to a few seconds before a local midnight at which the first
# shown phase drops out (2009-11-16 in Berlin, as in phase_midnight.sh). The cells a screen
# reader reads follow the strip: before midnight as the table says then, after it as the table
# says after it, and each of the four new names is announced.
. "$(dirname "$0")/lib.sh"
program=$1
cli=$2

export TZ=Europe/Berlin QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
midnight=2009-11-17T00:00:00+01:00
midnight_s=$(date -d "$midnight" +%s)

# "Full Moon      2009-11-02  20:14" -> "Full Moon, Nov 2, 20:14"
names() {
    awk 'BEGIN { split("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec", months, " ") }
        { split($3, date, "-")
          printf "%s %s, %s %d, %s\n", $1, $2, months[date[2] + 0], date[3] + 0, $4 }' "$1"
}
"$cli" --at "$(date -d "@$((midnight_s - 2))" -Is)" --shown >"$TW_WORK/before.txt"
"$cli" --at "$(date -d "@$((midnight_s + 2))" -Is)" --shown >"$TW_WORK/after.txt"
names "$TW_WORK/before.txt" >"$TW_WORK/before.names"
names "$TW_WORK/after.txt" >"$TW_WORK/after.names"

libraries=(/usr/lib/*/faketime/libfaketimeMT.so.1)
faketime_lib=${libraries[0]}
[ -f "$faketime_lib" ] || tw_fail "libfaketime is not installed"

lead=10
midnight_us=$(($(tw_clock_us) + lead * 1000000))
offset=$(awk -v m="$midnight_s" -v r="$midnight_us" 'BEGIN { printf "%+.6fs", m - r / 1e6 }')
tw_start env LD_PRELOAD="$faketime_lib" FAKETIME="$offset" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    "$program"
tw_phase_window "$TW_STARTED" >/dev/null
watch=$(awk -v us="$((midnight_us + 2500000 - $(tw_clock_us)))" 'BEGIN { printf "%.1f", us / 1e6 }')
/usr/bin/python3 "$(dirname "$0")/atspi_tree.py" org.velmora.TidewellPhase "$TW_WAIT" "$watch" \
    >"$TW_WORK/heard.txt" || tw_fail "the window is not on the AT-SPI bus"
cat "$TW_WORK/heard.txt"
(($(tw_clock_us) < midnight_us)) && tw_fail "the watch ended before midnight"

# The tree before the announcements, the announcements, the tree after them.
cells() {
    awk -v part="$1" '/^frame: / { trees++ }
        trees == part && /^ *list item: / { sub(/^ *list item: /, ""); sub(/ \|.*/, ""); print }' \
        "$TW_WORK/heard.txt"
}
diff -u "$TW_WORK/before.names" <(cells 1) || tw_fail "before midnight the cells are not as the table says"
diff -u "$TW_WORK/after.names" <(cells 2) || tw_fail "after midnight the cells are not as the table says"
while read -r name; do
    grep -qxF "renamed: $name" "$TW_WORK/heard.txt" || tw_fail "\"$name\" was not announced"
done <"$TW_WORK/after.names"
tw_note "at midnight the cells went from the table before to the table after, announced"
