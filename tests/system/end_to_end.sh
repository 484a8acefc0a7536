#!/bin/bash
# End to end: the real program under a real X server, driven by keyboard as a child would, through
# both exercises and out again, with keys held down on a busy machine and digits typed with Shift
# and on a French layout. Usage: end_to_end.sh PROGRAM ARTEFACTS_DIR
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 PROGRAM ARTEFACTS_DIR" >&2; exit 2; }
program=$(realpath "$1")
SYS_ARTEFACTS=$2
# shellcheck source=SCRIPTDIR/common.sh
. "$(dirname "$0")/common.sh"

# The command line, as Linux programs answer it, without a display.
mkdir -p "$SYS_ARTEFACTS"
[[ "$(env -u DISPLAY "$program" --version)" =~ ^quantella\ [0-9]+\.[0-9]+\.[0-9]+$ ]] ||
    sys_fail "--version says: $(env -u DISPLAY "$program" --version)"
env -u DISPLAY "$program" --help | grep -q -- '--senza-voce' || sys_fail "--help does not name --senza-voce"
status=0
env -u DISPLAY "$program" --sconosciuta 2>"$SYS_ARTEFACTS/usage.txt" >/dev/null || status=$?
[ "$status" -eq 2 ] && grep -q '^Uso: quantella' "$SYS_ARTEFACTS/usage.txt" &&
    grep -qx 'quantella: opzione sconosciuta: --sconosciuta' "$SYS_ARTEFACTS/usage.txt" ||
    sys_fail "an unknown option gave status $status and: $(cat "$SYS_ARTEFACTS/usage.txt")"

sys_start_x
sys_start_program "$program"
sys_wait_window "$SYS_TITLE_START" 20 >/dev/null
sleep 1.5 # the opening curtain
sys_shot "start"

sys_play_exercise 1 3
sys_play_exercise 2 2

# Digits by their physical keys: with Shift, and on a French keyboard, whose digit row types
# "&", "é", ... unshifted.
start=$(sys_wait_start_window)
sys_keys "$start" shift+2
# shellcheck disable=SC2086
sys_wait_focus "$start" "the second exercise key after Shift+2" "$SYS_START_W" "$SYS_START_H" $SYS_KEY_START_EX2
setxkbmap -layout fr
sys_keys "$start" ampersand
# shellcheck disable=SC2086
sys_wait_focus "$start" "the first exercise key after the French 1" "$SYS_START_W" "$SYS_START_H" $SYS_KEY_START_EX1
sys_keys "$start" eacute
# shellcheck disable=SC2086
sys_wait_focus "$start" "the second exercise key after the French 2" "$SYS_START_W" "$SYS_START_H" $SYS_KEY_START_EX2
sys_shot "french-digit"
sys_keys "$start" ampersand # back to the first key, where leaving starts
setxkbmap -layout us

sys_leave 5
sys_log "PASS"
