#!/usr/bin/env bash
# about_accessible.sh PROGRAM: runs the credits program with assistive technology on (an AT-SPI
# bus of this session's own) and reads its accessible tree as a screen reader would: a frame
# titled as the window, a named picture, and the four credit lines as list items named by
# their visible text, without the indent.
. "$(dirname "$0")/lib.sh"
program=$1

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

tw_start "$program" "Ada Lovelace" "  Two  words " "" "fourth"
/usr/bin/python3 "$(dirname "$0")/atspi_tree.py" org.velmora.TidewellAbout "$TW_WAIT" >"$TW_WORK/tree.txt" ||
    tw_fail "the window is not on the AT-SPI bus"
cat "$TW_WORK/tree.txt"

head -n 1 "$TW_WORK/tree.txt" | grep -qx "frame: About Tidewell" ||
    tw_fail "the window is not a frame named \"About Tidewell\""
grep -qx " *image: The full Moon over the sea at night" "$TW_WORK/tree.txt" ||
    tw_fail "the picture has no name"
printf 'list item: %s\n' "Ada Lovelace" "Two  words" "" "fourth" |
    sed 's/ $//' >"$TW_WORK/expected.txt"
sed -n 's/^ *\(list item:.*\)$/\1/p' "$TW_WORK/tree.txt" | sed 's/ $//' >"$TW_WORK/lines.txt"
diff -u "$TW_WORK/expected.txt" "$TW_WORK/lines.txt" ||
    tw_fail "the list items do not say what the lines show"
tw_note "frame, named picture and four list items"
