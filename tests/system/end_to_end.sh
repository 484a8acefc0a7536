#!/bin/bash
# End to end: the real program under a real X server, driven by keyboard as a child would, through
# both exercises and out again. Usage: end_to_end.sh PROGRAM ARTEFACTS_DIR
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 PROGRAM ARTEFACTS_DIR" >&2; exit 2; }
program=$(realpath "$1")
SYS_ARTEFACTS=$2
# shellcheck source=SCRIPTDIR/common.sh
. "$(dirname "$0")/common.sh"

sys_start_x
sys_start_program "$program"
sys_wait_window "$SYS_TITLE_START" 20 >/dev/null
sleep 1.5 # the opening curtain
sys_shot "start"

sys_play_exercise 1 3
sys_play_exercise 2 2
sys_leave 5
sys_log "PASS"
