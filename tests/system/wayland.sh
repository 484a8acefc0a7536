#!/bin/bash
# The real program in a Wayland session: natively under weston's headless backend (its start window
# appears, and it leaves cleanly on SIGTERM), then with weston as a window of a private X server, so
# that xdotool's keys reach it through weston's own seat: a held key acts once natively and through
# XWayland. Usage: wayland.sh PROGRAM ARTEFACTS_DIR
set -euo pipefail

# shellcheck source=SCRIPTDIR/common.sh
. "$(dirname "$0")/common.sh"
sys_init "$@"

# The start window fills weston's 1024x768 output, under a title bar about 30 px high; these boxes
# lie inside the two exercise keys, whatever the decorations.
readonly key1="200x75+50+425" key2="200x75+50+545"

# Waits until the first exercise key holds the focus and the curtain has opened.
wait_start_window()
{
    local shoot=$1 name=$2 deadline=$((SECONDS + 20)) focus curtain
    while :; do
        "$shoot" "$name"
        focus=$(sys_count_colour "$SYS_SHOT" "$key1" "$SYS_COLOUR_FOCUS")
        curtain=$(sys_count_colour "$SYS_SHOT" "20x300+0+200" "#FF80FF")
        [ "$focus" -ge 8000 ] && [ "$curtain" -eq 0 ] && break
        [ "$SECONDS" -lt "$deadline" ] || sys_fail "no start window with its first key in focus ($focus pixels)"
        rm -f "$SYS_SHOT"
        SYS_SHOT_NO=$((SYS_SHOT_NO - 1))
        sleep 0.3
    done
    sys_log "start window up: $focus focus pixels on the first key"
}

# Space held on the first exercise key moves the focus to the second, and no further.
expect_one_step()
{
    local shoot=$1 name=$2 first second
    "$shoot" "$name"
    first=$(sys_count_colour "$SYS_SHOT" "$key1" "$SYS_COLOUR_FOCUS")
    second=$(sys_count_colour "$SYS_SHOT" "$key2" "$SYS_COLOUR_FOCUS")
    [ "$first" -lt 50 ] && [ "$second" -ge 8000 ] ||
        sys_fail "$name: focus pixels $first on the first key, $second on the second"
    sys_log "$name: the focus moved one key"
}

x_shot() { sys_shot "$1"; }

sys_start_x --no-wm

# Natively, on the headless backend; the window names the desktop entry it belongs to.
sys_start_weston headless
WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland sys_start_program "$program"
wait_start_window sys_weston_shot "wayland-start"
sys_terminate_program
grep -q 'set_app_id("io.github.quantella.Quantella")' "$SYS_ARTEFACTS/program.log" ||
    sys_fail "the window's app id is not the desktop entry's: $(grep -o 'set_app_id([^)]*)' "$SYS_ARTEFACTS/program.log")"
sys_stop_weston

# Weston as a window of the X server: its seat takes xdotool's keys.
sys_start_weston x11 --xwayland
xdotool mousemove 512 384
QT_QPA_PLATFORM=wayland sys_start_program "$program"
wait_start_window x_shot "wayland-nested-start"
sys_hold_key "" space
expect_one_step x_shot "wayland-held-space"
sys_terminate_program

xwayland=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$SYS_ARTEFACTS/weston-x11.log" | tail -n 1)
[ -n "$xwayland" ] || sys_fail "weston started no XWayland"
DISPLAY=$xwayland QT_QPA_PLATFORM=xcb sys_start_program "$program"
wait_start_window x_shot "xwayland-start"
sys_hold_key "" space
expect_one_step x_shot "xwayland-held-space"
sys_terminate_program
sys_log "PASS"
