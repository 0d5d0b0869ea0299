# shellcheck shell=bash
# lib.sh: shared helpers of the phase window's end-to-end scripts, sourced by each of them
# as `. "$(dirname "$0")/lib.sh"`. The programs a script starts end with it; every wait has a
# time limit.
# Window helpers expect no window manager: a window's X geometry is its client area.

set -euo pipefail

TW_NAME=$(basename "$0" .sh)
TW_WAIT=${TW_WAIT:-10} # seconds allowed for any one thing to happen
TW_WORK=$(mktemp -d "${TMPDIR:-/tmp}/$TW_NAME.XXXXXX")
TW_CONF=$XDG_CONFIG_HOME/Velmora/Tidewell.conf
TW_TITLE='Tidewell Upcoming Phases'
tw_children=()

tw_fail() {
    echo "FAIL ($TW_NAME): $*" >&2
    exit 1
}

tw_note() {
    echo "$TW_NAME: $*"
}

# Ends the programs this script started (TERM, then KILL after two seconds).
tw_cleanup() {
    local pid tries
    for pid in "${tw_children[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${tw_children[@]}"; do
        for ((tries = 0; tries < 40; tries++)); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        kill -KILL "$pid" 2>/dev/null || true
    done
    rm -rf "$TW_WORK"
}
trap tw_cleanup EXIT

# Xvfb resets itself whenever its last client leaves, and a program that connects during the
# reset fails to start; between the short-lived xdotool calls that can happen at any time.
# A client that stays for the whole script keeps the display from resetting.
xdotool sleep 3600 &
tw_children+=($!)

# Microseconds since the epoch, without a process.
tw_clock_us() {
    local now=${EPOCHREALTIME//[.,]/}
    echo $((10#$now))
}

# tw_until SECONDS WHAT COMMAND [ARGS...]: runs COMMAND every 50 ms until it succeeds; fails
# the script with "timed out waiting for WHAT" after SECONDS.
tw_until() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$(($(tw_clock_us) + seconds * 1000000))
    until "$@"; do
        (($(tw_clock_us) < deadline)) || tw_fail "timed out after ${seconds}s waiting for $what"
        sleep 0.05
    done
}

# tw_start COMMAND [ARGS...]: starts COMMAND in the background; its pid is in TW_STARTED.
tw_start() {
    "$@" &
    TW_STARTED=$!
    tw_children+=("$TW_STARTED")
}

# tw_alive PID: fails the script when the process has ended.
tw_alive() {
    kill -0 "$1" 2>/dev/null || tw_fail "process $1 ended unexpectedly"
}

# tw_wait_exit PID: waits (limited) for the process to end; its exit status goes into
# TW_STATUS. Call it from the script itself, not from a $(...) subshell, which cannot wait.
tw_wait_exit() {
    local pid=$1
    tw_until "$TW_WAIT" "process $pid to end" tw_ended "$pid"
    TW_STATUS=0
    wait "$pid" || TW_STATUS=$?
}

tw_ended() {
    ! kill -0 "$1" 2>/dev/null
}

# Prints the ids of the visible windows with exactly this title, of process PID if given.
tw_windows_titled() {
    local title=$1 pid=${2:-}
    local pattern
    pattern="^$(printf '%s' "$title" | sed 's/[][\.*^$+?(){}|]/\\&/g')\$"
    if [ -n "$pid" ]; then
        xdotool search --all --onlyvisible --pid "$pid" --name "$pattern" 2>/dev/null || true
    else
        xdotool search --onlyvisible --name "$pattern" 2>/dev/null || true
    fi
}

# tw_has_window TITLE PID: true when the process shows a window of that title; fails the
# script when the process has ended.
tw_has_window() {
    tw_alive "$2"
    [ -n "$(tw_windows_titled "$1" "$2")" ]
}

# tw_phase_window PID: waits for the phase window of the process and prints its id.
tw_phase_window() {
    tw_until "$TW_WAIT" "the window \"$TW_TITLE\" of process $1" tw_has_window "$TW_TITLE" "$1"
    tw_windows_titled "$TW_TITLE" "$1" | head -n 1
}

# tw_geometry WIN: prints "x y width height" of the window on the screen.
tw_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /Width:/ { w = $NF }
        /Height:/ { h = $NF }
        END { print x, y, w, h }'
}

# tw_capture WIN NAME: saves a picture of the window as $TW_WORK/NAME.png and its pixels as
# $TW_WORK/NAME.px, one "x y r g b" line per pixel, row by row.
tw_capture() {
    local win=$1 base=$TW_WORK/$2
    import -window "$win" "png:$base.png"
    local width
    width=$(identify -format '%w' "$base.png")
    convert "$base.png" -depth 8 "rgb:$base.rgb"
    od -An -v -tu1 -w3 "$base.rgb" |
        awk -v w="$width" '{ print (NR - 1) % w, int((NR - 1) / w), $1, $2, $3 }' >"$base.px"
}

# tw_keep NAME: copies $TW_WORK/NAME.png into the build tree for a look after a failure and
# prints where it went.
tw_keep() {
    local dir=${TW_BUILD:-$TW_WORK}/e2e-failures
    if [ ! -f "$TW_WORK/$1.png" ]; then
        echo "(no picture was taken)"
        return 0
    fi
    mkdir -p "$dir"
    cp "$TW_WORK/$1.png" "$dir/$TW_NAME-$1.png"
    echo "$dir/$TW_NAME-$1.png"
}

# tw_expected_kinds FILE: the phase kinds (0 new moon .. 3 last quarter) of the rows that
# `tidewell-phases --shown` wrote to FILE, on one line.
tw_expected_kinds() {
    awk '
        $1 == "New" { k = k " 0" }
        $1 == "First" { k = k " 1" }
        $1 == "Full" { k = k " 2" }
        $1 == "Last" { k = k " 3" }
        END { print substr(k, 2) }' "$1"
}

# tw_check_strip NAME HEMISPHERE KINDS: checks the captured window NAME against the phase
# strip of four cells with these phase kinds ("0 1 2 3"), north or south. Prints what is
# wrong and fails (status 1) if anything is. The layout: pictures of 120 by 120 at x = 0,
# 130, 260, 390 on y 0..119, a disc in each; three lines of text, label, date and time, at
# y 117.., 133.., 149.. in the columns from x = 25, 155, 285, 415, drawn in yellow
# (204, 204, 0) on black, smoothed at the glyph edges with darker shades of it (each line
# needs some pixels at or near the full colour, which thin strokes of a small font may never
# quite reach, and a few dozen bright ones); black everywhere else. With TW_RATIO (the device
# pixels per logical pixel the window was started with, QT_SCALE_FACTOR) the picture's pixels
# are taken back to logical ones, and from 2 on its pictures must not be enlarged 1x drawings.
tw_check_strip() {
    awk -v hemisphere="$2" -v kinds="$3" -v ratio="${TW_RATIO:-1}" '
        BEGIN {
            n = split(kinds, kind, " "); if (n != 4) { print "want 4 kinds, got: " kinds; bad = 1 }
            area = ratio * ratio  # device pixels per logical pixel
        }
        {
            x = int($1 / ratio); y = int($2 / ratio); r = $3; g = $4; b = $5
            c = int(x / 130); px = x - 130 * c
            if (c < 4 && px < 120 && y < 120) {
                pixel[$1, $2] = r * 65536 + g * 256 + b
                lum = (r + g + b) / 3
                if (y < 117) { if (px < 60) left[c] += lum; else right[c] += lum }
                if (r + g + b > 30) {
                    disc[c]++
                    if (!(c in minx) || px < minx[c]) minx[c] = px
                    if (px > maxx[c]) maxx[c] = px
                    if (!(c in miny) || y < miny[c]) miny[c] = y
                    if (y > maxy[c]) maxy[c] = y
                }
                next
            }
            t = int((x - 25) / 130); if (t > 3) t = 3
            # Between device pixels a glyph edge may reach one device pixel left of its column.
            if ($1 + 1 >= 25 * ratio && y >= 117 && y <= 165) {
                if (r == 0 && g == 0 && b == 0) next
                if (r != g || b != 0 || r > 204) { offcolour[t]++; next }
                if (!(t in textx) || x < textx[t]) textx[t] = x
                line = y < 133 ? 0 : (y < 149 ? 1 : 2)
                if (r >= 180) full[t, line]++
                if (r >= 100) strong[t, line]++
                next
            }
            if (r || g || b) { stray++; if (stray == 1) firststray = x "," y " (" r "," g "," b ")" }
        }
        END {
            # Above one device pixel per logical pixel, a picture drawn for the density has
            # detail in every device pixel; one enlarged from its 120-pixel drawing repeats each
            # pixel over a whole block.
            if (ratio >= 2) {
                for (key in pixel) {
                    split(key, at, SUBSEP)
                    if (at[1] % 2 || at[2] % 2 || !(((at[1] + 1) SUBSEP (at[2] + 1)) in pixel)) continue
                    blocks++
                    v = pixel[key]
                    if (pixel[at[1] + 1, at[2]] == v && pixel[at[1], at[2] + 1] == v && pixel[at[1] + 1, at[2] + 1] == v) uniform++
                }
                if (uniform > 0.9 * blocks) { printf "pictures are enlarged: %d of %d blocks of 2 x 2 device pixels are one colour\n", uniform, blocks; bad = 1 }
            }
            if (stray) { printf "%d pixels not black outside pictures and texts, first at %s\n", stray, firststray; bad = 1 }
            for (c = 0; c < 4; c++) {
                want = kind[c + 1]
                if (disc[c] < 5000 * area || minx[c] > 8 || maxx[c] < 111 || miny[c] > 8 || maxy[c] < 111) {
                    printf "cell %d: no whole disc in the picture (%d pixels, x %d..%d, y %d..%d)\n", c, disc[c], minx[c], maxx[c], miny[c], maxy[c]; bad = 1
                }
                # Mean brightness of the left and right halves of the picture: dark, lit or mixed.
                l = left[c] / (60 * 117 * area); rr = right[c] / (60 * 117 * area)
                lit_left = l > 60; lit_right = rr > 60; dark_left = l < 40; dark_right = rr < 40
                if (want == 0) ok = dark_left && dark_right
                else if (want == 2) ok = lit_left && lit_right
                else {
                    right_lit = (want == 1) == (hemisphere == "north")
                    ok = right_lit ? (lit_right && dark_left) : (lit_left && dark_right)
                }
                if (!ok) { printf "cell %d: picture (left %.0f, right %.0f) is not phase kind %d (%s)\n", c, l, rr, want, hemisphere; bad = 1 }
                if (offcolour[c]) { printf "cell %d: %d text pixels not yellow on black\n", c, offcolour[c]; bad = 1 }
                col = 25 + 130 * c
                if (!(c in textx) || textx[c] > col + 3) { printf "cell %d: text does not start at x = %d (first at %s)\n", c, col, textx[c]; bad = 1 }
                for (line = 0; line < 3; line++) {
                    if (!full[c, line] || strong[c, line] < 30 * area) {
                        printf "cell %d: text line %d (y %d..) has %d pixels near (204, 204, 0) and %d bright ones\n", c, line, 117 + 16 * line, full[c, line], strong[c, line]; bad = 1
                    }
                }
            }
            exit bad
        }' "$TW_WORK/$1.px"
}

# tw_strip_shows WIN NAME HEMISPHERE KINDS: captures the window as NAME and checks the strip;
# quiet, for polling until the first paint has landed.
tw_strip_shows() {
    tw_capture "$1" "$2" && tw_check_strip "$2" "$3" "$4" >/dev/null
}

# tw_expect_strip WIN NAME HEMISPHERE KINDS: waits until the window shows the strip; on
# failure reports what is wrong with the last picture and keeps it.
tw_expect_strip() {
    local deadline=$(($(tw_clock_us) + TW_WAIT * 1000000))
    until tw_strip_shows "$@"; do
        if (($(tw_clock_us) >= deadline)); then
            tw_check_strip "$2" "$3" "$4" >&2 || true
            tw_fail "the window does not show the strip $4 ($3); picture kept as $(tw_keep "$2")"
        fi
        sleep 0.1
    done
}

# --- the window's D-Bus port and stored positions -----------------------------------------

tw_bus_name() {
    printf 'org.velmora.TidewellPhase.TWP%03d' "$1"
}

# tw_slot_owner SLOT: the pid of the process holding the slot's bus name; empty if none.
tw_slot_owner() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$(tw_bus_name "$1")" \
        2>/dev/null | awk '/uint32/ { print $2 }'
}

tw_slot_held_by() {
    [ "$(tw_slot_owner "$1")" = "$2" ]
}

# tw_expect_slot SLOT PID: waits until the process has offered the port of that slot.
tw_expect_slot() {
    tw_until "$TW_WAIT" "process $2 to hold slot $1 ($(tw_bus_name "$1"))" tw_slot_held_by "$1" "$2"
}

# tw_syscommand SLOT ID: sends the system command ID (decimal) to the window of the slot.
tw_syscommand() {
    dbus-send --session --print-reply --dest="$(tw_bus_name "$1")" /TidewellPhase \
        org.velmora.TidewellPhase.SysCommand "uint32:$2" >/dev/null
}

# tw_close SLOT PID: closes the window of the slot (system command 0xF060) and expects the
# process to end with status 0.
tw_close() {
    tw_syscommand "$1" $((0xF060))
    tw_wait_exit "$2"
    [ "$TW_STATUS" -eq 0 ] || tw_fail "process $2 ended with status $TW_STATUS after the close command"
}

# tw_stored_position SLOT: "Xpos Ypos" stored for the slot; empty when either is missing.
tw_stored_position() {
    [ -f "$TW_CONF" ] || return 0
    awk -v section="$(printf '[TWP%03d]' "$1")" -F= '
        /^\[/ { inside = ($0 == section) }
        inside && $1 == "Xpos" { x = $2 }
        inside && $1 == "Ypos" { y = $2 }
        END { if (x != "" && y != "") print x, y }' "$TW_CONF"
}

tw_stored_is() {
    [ "$(tw_stored_position "$1")" = "$2" ]
}
