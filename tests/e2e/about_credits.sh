#!/usr/bin/env bash
# about_credits.sh PROGRAM HOW: runs the credits program with four arguments, checks that its
# window shows the night picture, the four credit lines in yellow on black below it and the
# OK button, then ends it with HOW (enter, escape or closebox) and expects status 0.
set -euo pipefail
program=$1
how=$2
work=${TW_SANDBOX:-$(mktemp -d)}
shot=$work/about.png
pid=
wm=

cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A window manager gives the window its close box and the keyboard focus. The program starts
# only once the manager has finished its own start-up (it runs the --startup command then):
# a window mapped while it is still starting may be left unmanaged and never shown.
ready=$work/wm-ready
openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
  [ -e "$ready" ] && break
  sleep 0.1
done
[ -e "$ready" ] || fail "the window manager did not start"

"$program" "Tide keeper" -Moonwatcher "/Sea" "Fourth credit" &
pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^About Tidewell$' | head -n 1) || true
if [ -z "$win" ]; then
  xwininfo -root -tree >&2 || true
  kill -0 "$pid" 2>/dev/null || fail "the program ended before showing its window"
  fail "no window titled About Tidewell"
fi
sleep 1  # let the first paint land
import -window "$win" "$shot"

read -r width height < <(identify -format '%w %h\n' "$shot")
[ "$width" -eq 398 ] && [ "$height" -eq 535 ] || fail "window is ${width}x${height}, not 398x535"

# Pixels of a region as "x y r g b" lines (8-bit channels).
pixels() {
  convert "$shot" -crop "$1" +repage -depth 8 txt:- |
    sed -n 's/^\([0-9]*\),\([0-9]*\): (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3 \4 \5/p'
}

# The picture fills the top: a night scene of many colours.
colours=$(convert "$shot" -crop 398x410+0+0 -format '%k' info:)
[ "$colours" -gt 500 ] || fail "the picture area has only $colours colours"

# The list box, 418 pixels down, 78 high: black with four separate bands of yellow text.
bands=$(pixels 398x78+0+418 | awk '
  $3 > 180 && $4 > 180 && $5 < 100 { yellow[$2] = 1 }
  $3 < 30 && $4 < 30 && $5 < 30 { black++ }
  END {
    n = 0; previous = -2
    for (y = 0; y < 78; y++) if (y in yellow) { if (y != previous + 1) n++; previous = y }
    printf "%d %d\n", n, black
  }')
read -r yellowBands blackPixels <<<"$bands"
[ "$yellowBands" -eq 4 ] || fail "$yellowBands bands of yellow text instead of 4"
[ "$blackPixels" -gt $((398 * 60)) ] || fail "only $blackPixels black pixels behind the lines"

# The OK button, centred below the list: its label makes dark pixels on a light face.
button=$(pixels 75x23+158+505 | awk '$3 < 80 && $4 < 80 && $5 < 80 { dark++ } END { print dark + 0 }')
[ "$button" -gt 10 ] || fail "no OK button label below the list"

case "$how" in
  enter | escape)
    key=Return
    [ "$how" = escape ] && key=Escape
    xdotool windowactivate --sync "$win"
    xdotool key "$key"
    ;;
  closebox) wmctrl -i -c "$win" ;;
  *) fail "unknown way to close: $how" ;;
esac

for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running after $how"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "ended with status $status after $how"
echo "PASS: $how"
