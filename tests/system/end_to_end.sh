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
    for period in 0,4 10.5 abc 1e1; do
        cli_case 2 "^quantella: tempo di scansione non valido: $period; --scansione-tempo vuole da 0,5 a 10 secondi" \
            $italian "$program" --scansione-tempo "$period"
    done
    cli_case 2 '^quantella: l.opzione --scansione non vuole un valore' $italian "$program" --scansione=1
    cli_case 124 '' $italian QT_QPA_PLATFORM=offscreen timeout 2 "$program" --senza-voce --scansione-tempo=0,5
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

# ---- One switch: a round of exercise 1 to ESATTO with Enter alone, each press early in a period
# of 0.8 s, right after the scan shows its step; then a switch held through several steps acts once.
sys_start_program "$program" --scansione --scansione-tempo=0.8
start=$(sys_wait_window "$SYS_TITLE_START" 20)
sleep 1.5 # the opening curtain
sys_keys "$start"
sys_scan_wait "$start" "the first exercise key" SYS_KEY_START_EX1
sys_shot "scan-start"
xdotool key Return
sys_scan_wait "$start" "the first range key" SYS_KEY_START_5
xdotool key Return
sys_scan_wait "$start" "\"Vai\"" SYS_KEY_START_VAI
xdotool key Return
window=$(sys_wait_window "$SYS_TITLE_EX1" 15)
sys_keys "$window"
sys_shot "scan-exercise"
# The objects, by the cells of the set that hold a picture.
objects=0
for k in $(seq 1 23); do
    row=$((k / 8)) column=$((k % 8))
    lefts=(240 1095 1965 2895 3825 4755 5670 6585)
    [ "$row" = 0 ] || lefts=(225 1095 1965 2895 3825 4755 5655 6585)
    tops=(255 1140 2010)
    cell=$(sys_area "$window" $((75 + lefts[column])) $((1395 + tops[row])) 750 750 "$SYS_EX_W" "$SYS_EX_H")
    marks=$(convert "$SYS_SHOT" -crop "$cell" +repage txt:- | tail -n +2 | grep -vci " #FFFFFF " || true)
    [ "$marks" -lt 30 ] || objects=$((objects + 1))
done
sys_log "exercise 1 by one switch: $objects objects"
[ "$objects" -ge 1 ] && [ "$objects" -le 5 ] || sys_fail "$objects objects for a range up to 5"
sys_scan_wait "$window" "\"Conta\"" SYS_KEY_CONTA_EX1
for _ in $(seq "$objects"); do
    xdotool key Return # the scan stays a period after each press
    sleep 0.4
done
sys_scan_wait "$window" "\"Verifica\"" SYS_KEY_VERIFICA_EX1
xdotool key Return
area=$(sys_area "$window" 90 4515 7455 1320 "$SYS_EX_W" "$SYS_EX_H") || sys_fail "no geometry for $window"
outcome=$(sys_wait_colour "$area" "$SYS_COLOUR_OUTCOME" 1500 5)
sys_shot "scan-checked"
right=$(sys_count_at "$window" SYS_RIGHT "$SYS_COLOUR_VALUE")
wrong=$(sys_count_at "$window" SYS_WRONG "$SYS_COLOUR_VALUE")
[ "$outcome" -ge 1500 ] && [ "$right" -ge 20 ] && [ "$wrong" -eq 0 ] ||
    sys_fail "no ESATTO by one switch: outcome $outcome pixels, counts $right and $wrong pixels"
sys_scan_wait "$window" "\"Avanti\"" SYS_KEY_AVANTI_EX1
xdotool key Return
sys_scan_wait "$window" "\"Conta\" of the next set" SYS_KEY_CONTA_EX1
xdotool keydown Return
sleep 2.5 # three periods: the scan moves on while the switch is held
xdotool keyup Return
sleep 0.3
sys_shot "scan-held"
marks1=$(sys_count_marks "$window" SYS_CELL1_EX1 "$SYS_CELL_BG_EX1")
marks2=$(sys_count_marks "$window" SYS_CELL2_EX1 "$SYS_CELL_BG_EX1")
outcome=$(sys_count_colour "$SYS_SHOT" "$area" "$SYS_COLOUR_OUTCOME")
[ "$marks1" -ge 50 ] && [ "$marks2" -eq 0 ] && [ "$outcome" -lt 50 ] ||
    sys_fail "a held switch: $marks1 and $marks2 pixels in the first two places, outcome $outcome pixels"
sys_log "one switch: ESATTO, and a held switch acted once"
sys_terminate_program
sys_log "PASS"
