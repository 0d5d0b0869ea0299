#!/usr/bin/env bash
# phase_wayland.sh PROGRAM: Wayland sessions, with a headless compositor of the script's own
# beside the virtual X display. With both offered and no platform chosen, the program runs on
# X11 (even where the session type says Wayland): the stored position is applied and a move
# is stored. On Wayland alone, or with Wayland chosen, it runs natively and the stored
# positions come out of the run byte for byte as they went in.
. "$(dirname "$0")/lib.sh"
program=$1

command -v weston >/dev/null || tw_fail "weston (the headless compositor) is not installed"
socket=tidewell-e2e-$$
tw_start weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config \
    --log="$TW_WORK/weston.log"
weston_pid=$TW_STARTED
compositor_up() {
    tw_alive "$weston_pid"
    [ -S "$XDG_RUNTIME_DIR/$socket" ]
}
tw_until "$TW_WAIT" "the compositor's socket $socket" compositor_up

# A Wayland session as the big desktops set it up, without a platform chosen.
session=(env -u QT_QPA_PLATFORM WAYLAND_DISPLAY="$socket" XDG_SESSION_TYPE=wayland
    XDG_CURRENT_DESKTOP=KDE WAYLAND_DEBUG=client)
mkdir -p "$(dirname "$TW_CONF")"

# What the program said to the compositor (WAYLAND_DEBUG) is in $TW_WORK/NAME.wayland.
talks_wayland() {
    grep -q "$2" "$TW_WORK/$1.wayland"
}

# --- X11 and Wayland: X11 ------------------------------------------------------------------
printf '[TWP000]\nXpos=123\nYpos=234\n' >"$TW_CONF"
tw_start "${session[@]}" "$program" 2>"$TW_WORK/both.wayland"
pid=$TW_STARTED
win=$(tw_phase_window "$pid")
tw_expect_slot 0 "$pid"
read -r x y _ < <(tw_geometry "$win")
[ "$x $y" = "123 234" ] || tw_fail "with X11 beside Wayland the window opened at $x $y, not 123 234"
xdotool windowmove "$win" 200 300
tw_until "$TW_WAIT" "the move to be stored" tw_stored_is 0 "200 300"
tw_close 0 "$pid"
! talks_wayland both 'set_title' || tw_fail "with X11 beside Wayland the window went to Wayland"
tw_note "X11 beside Wayland: the window ran on X11, opened at 123 234, stored its move"

# --- Wayland: the store untouched ------------------------------------------------------------
cat >"$TW_CONF" <<'EOF'
[TWP000]
Xpos=640
Ypos=-20

[TWP001]
Xpos=17
Ypos=2147483647
EOF
cp "$TW_CONF" "$TW_WORK/stored.conf"

wayland_runs=(
    "wayland-only|env -u DISPLAY"
    "wayland-chosen|env QT_QPA_PLATFORM=wayland"
    "wayland-argument|env"
)
for run in "${wayland_runs[@]}"; do
    name=${run%%|*}
    read -r -a how <<<"${run#*|}"
    args=()
    [ "$name" = wayland-argument ] && args=(-platform wayland)
    tw_start "${session[@]}" "${how[@]}" "$program" "${args[@]}" 2>"$TW_WORK/$name.wayland"
    pid=$TW_STARTED
    tw_until "$TW_WAIT" "the window on Wayland ($name)" \
        talks_wayland "$name" 'set_title("Tidewell Upcoming Phases")'
    tw_expect_slot 0 "$pid"
    # The first frame follows the compositor's first placement of the window.
    tw_until "$TW_WAIT" "the first frame on Wayland ($name)" talks_wayland "$name" 'attach(wl_buffer'
    [ -z "$(tw_windows_titled "$TW_TITLE" "$pid")" ] || tw_fail "$name: the window went to X11"
    tw_close 0 "$pid"
    cmp -s "$TW_CONF" "$TW_WORK/stored.conf" ||
        tw_fail "$name: the stored positions changed: $(diff "$TW_WORK/stored.conf" "$TW_CONF" | tr '\n' ' ')"
    tw_note "$name: ran natively on Wayland, stored positions untouched"
done
