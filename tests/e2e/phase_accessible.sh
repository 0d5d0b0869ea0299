#!/usr/bin/env bash
# phase_accessible.sh PROGRAM CLI [south]: starts the phase window with assistive technology on
# (an AT-SPI bus of this session's own) and reads its accessible tree as a screen reader would:
# a frame titled as the window, and below it the strip's four cells, named as `CLI --shown`
# says the strip stands now, in strip order, each described by the hemisphere of its picture.
. "$(dirname "$0")/lib.sh"
program=$1
cli=$2
shift 2
hemisphere=northern
[ "${1:-}" = south ] && hemisphere=southern

export TZ=America/Sao_Paulo
# The program joins the AT-SPI bus whether or not a screen reader has asked for it.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# "Full Moon      2026-12-24   1:29" -> "list item: Full Moon, Dec 24, 1:29 | Seen from ..."
expected_cells() {
    awk -v hemisphere="$hemisphere" '
        BEGIN { split("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec", months, " ") }
        {
            label = $1 " " $2
            split($3, date, "-")
            printf "list item: %s, %s %d, %s | Seen from the %s hemisphere\n",
                label, months[date[2] + 0], date[3] + 0, $4, hemisphere
        }' "$1"
}

tw_start "$program" "$@"
pid=$TW_STARTED
tw_phase_window "$pid" >/dev/null

for attempt in 1 2; do
    "$cli" --shown >"$TW_WORK/before.txt"
    /usr/bin/python3 "$(dirname "$0")/atspi_tree.py" org.velmora.TidewellPhase "$TW_WAIT" >"$TW_WORK/tree.txt" ||
        tw_fail "the window is not on the AT-SPI bus"
    "$cli" --shown >"$TW_WORK/after.txt"
    cmp -s "$TW_WORK/before.txt" "$TW_WORK/after.txt" && break
    [ "$attempt" -eq 1 ] || tw_fail "the table keeps changing"
done
cat "$TW_WORK/tree.txt"

head -n 1 "$TW_WORK/tree.txt" | grep -qx "frame: $TW_TITLE" ||
    tw_fail "the window is not a frame named \"$TW_TITLE\""
expected_cells "$TW_WORK/before.txt" >"$TW_WORK/expected.txt"
sed -n 's/^ *\(list item: .*\)$/\1/p' "$TW_WORK/tree.txt" >"$TW_WORK/cells.txt"
diff -u "$TW_WORK/expected.txt" "$TW_WORK/cells.txt" ||
    tw_fail "the cells do not say what the strip shows"
tw_note "four cells as the table says"
