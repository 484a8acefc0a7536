#!/bin/bash
# End to end: the real program under a real X server, driven by keyboard as a child would, through
# both exercises and out again, with keys held down on a busy machine and digits typed with Shift
# and on a French layout. Usage: end_to_end.sh PROGRAM ARTEFACTS_DIR
set -euo pipefail

# shellcheck source=SCRIPTDIR/common.sh
. "$(dirname "$0")/common.sh"
sys_init "$@"

# The command line, as Linux programs answer it, without a display: each case is the status and a
# pattern the whole output must match, then the environment and the arguments.
mkdir -p "$SYS_ARTEFACTS"
wayland_socket="$SYS_ARTEFACTS/wayland-0"
rm -f "$wayland_socket"
/usr/bin/python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$wayland_socket"
platforms="$SYS_ARTEFACTS/platforms" # the X11 plugin alone, as when qt6-wayland is not installed
mkdir -p "$platforms"
ln -sf "$(find /usr/lib -path '*/qt6/plugins/platforms/libqxcb.so' | head -n 1)" "$platforms/"
broken="$SYS_ARTEFACTS/broken" # the X11 plugin's own library, empty: the plugin is found and does not load
mkdir -p "$broken"
: >"$broken/libQt6XcbQpa.so.6"
italian='LANGUAGE=it LC_ALL=C.UTF-8'
cli_case()
{
    local want=$1 pattern=$2 status=0 output
    shift 2
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANG -u LC_MESSAGES "$@" 2>&1) || status=$?
    [ "$status" = "$want" ] && [[ "$output" =~ $pattern ]] ||
        sys_fail "$* gave status $status (not $want) and: $output"
}
one_line_no_screen='^quantella: nessuno schermo: [^'$'\n'']+$'
# shellcheck disable=SC2086 # $italian is a list of assignments
{
    cli_case 0 '^quantella [0-9]+\.[0-9]+\.[0-9]+$' $italian "$program" --version
    cli_case 0 '^Uso: quantella.*--senza-voce.*--lingua.*de \(Deutsch\)' $italian "$program" --help
    cli_case 2 '^quantella: opzione sconosciuta: --sconosciuta'$'\n''Uso: quantella' $italian "$program" --sconosciuta
    cli_case 2 '^quantella: l.opzione --senza-voce non vuole un valore' $italian "$program" --senza-voce=1
    cli_case 2 '^quantella: lingua sconosciuta: xx; .*fr \(fran' $italian "$program" --lingua xx
    cli_case 2 '^quantella: all.opzione --lingua manca il valore CODICE'$'\n''Uso: quantella' $italian "$program" --lingua
    cli_case 2 '^quantella: all.opzione --lingua manca il valore CODICE' $italian "$program" --lingua=
    cli_case 2 '^quantella: argomento non previsto: altro' $italian "$program" altro
    # German from the desktop's languages, before any window; Italian under a C locale, as gettext has it.
    cli_case 0 '^[^U].*--senza-voce' LANGUAGE=de LANG=de_DE.UTF-8 "$program" --help
    cli_case 0 '^Uso: quantella' LANGUAGE=de LC_ALL=C "$program" --help
    cli_case 0 '^Uso: quantella' LANGUAGE=de LANG=de_DE.UTF-8 "$program" --lingua it --help
    cli_case 0 '^Usage.*Quantella aide' LANGUAGE=pt:fr LC_ALL=C.UTF-8 "$program" --help
    cli_case 0 '^Uso: quantella \[opzioni\]' LANGUAGE=pt LC_ALL=C.UTF-8 "$program" --help
    # Our Chinese is Simplified: a Traditional Chinese desktop goes on down its list.
    cli_case 0 '^Aufruf: quantella' LANGUAGE=zh_TW:de LANG=zh_TW.UTF-8 "$program" --help
    cli_case 0 '^Aufruf: quantella' LANGUAGE=zh_HK:zh_Hant:de LANG=C.UTF-8 "$program" --help
    cli_case 0 '^Uso: quantella' LANGUAGE=zh_TW LANG=zh_TW.UTF-8 "$program" --help
    cli_case 0 '^[^UA].*--lingua' LANGUAGE=zh_CN:de LANG=zh_CN.UTF-8 "$program" --help
    # No display: one line and status 1, not a crash; an explicit platform is taken as it is.
    cli_case 1 "$one_line_no_screen" $italian "$program"
    cli_case 1 "$one_line_no_screen" $italian DISPLAY=:99 "$program"
    cli_case 1 "$one_line_no_screen" $italian WAYLAND_DISPLAY="$wayland_socket" XDG_SESSION_TYPE=wayland \
        QT_QPA_PLATFORM_PLUGIN_PATH="$platforms" "$program"
    cli_case 1 "$one_line_no_screen" $italian QT_QPA_PLATFORM=xcb "$program"
    # A plugin that does not load is named, not the display; Qt may say why on a line before.
    cli_case 1 '^(quantella: [^'$'\n'']*'$'\n'')?quantella: Could not load the Qt platform plugin "xcb"[^'$'\n'']*$' \
        $italian DISPLAY=:99 LD_LIBRARY_PATH="$broken" "$program"
    cli_case 124 '' $italian QT_QPA_PLATFORM=offscreen timeout 2 "$program" --senza-voce
}

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
sys_wait_focus "$start" "the second exercise key after Shift+2" SYS_KEY_START_EX2
setxkbmap -layout fr
sys_keys "$start" ampersand
sys_wait_focus "$start" "the first exercise key after the French 1" SYS_KEY_START_EX1
sys_keys "$start" eacute
sys_wait_focus "$start" "the second exercise key after the French 2" SYS_KEY_START_EX2
sys_shot "french-digit"
sys_keys "$start" ampersand # back to the first key, where leaving starts
setxkbmap -layout us

sys_leave 5
sys_log "PASS"
