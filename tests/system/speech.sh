#!/bin/bash
# The voice, heard for real: a private sound server with a null sink, the desktop's speech service
# with its Italian voice behind it, and the real program played by keyboard under Xvfb. The sink's
# monitor is recorded around presses of "Conta": the count is heard; with --senza-voce nothing is.
# What the program asked to say is read from the service's protocol log: key names unless a screen
# reader is at work (the accessibility bus merely enabled is not one), and how many there were
# after a mistake; counts in German and Chinese too. The service is killed in the middle of play:
# the program answers at once and is heard again a few seconds later. Without a service, the program
# says why in the service's words. With a service that hangs, the program plays on and leaves at once.
# Usage: speech.sh PROGRAM ARTEFACTS_DIR
set -euo pipefail

# shellcheck source=SCRIPTDIR/common.sh
. "$(dirname "$0")/common.sh"
sys_init "$@"

sys_start_x
sys_start_sound
sys_start_speech_service

# Counts the 20 ms windows of a recording louder than a whisper (RMS above 1% of full scale).
loud_windows()
{
    sox -t raw -r "$SYS_RATE" -e signed -b 16 -c 1 "$1" -t dat - |
        awk -v w=$((SYS_RATE / 50)) '/^;/ { next } { s += $2 * $2; if (++n == w) { if (sqrt(s / n) > 0.01) c++; s = n = 0 } }
                                  END { print c + 0 }'
}

# Opens exercise 1 by keyboard with counts up to 5; prints the window once "Conta" has the focus.
# The exercise's caption is given in another language than Italian.
open_exercise()
{
    local start window
    start=$(sys_wait_start_window)
    sys_keys "$start" 1 Return 1 Return 1 Return
    window=$(sys_wait_window "${1:-$SYS_TITLE_EX1}" 15)
    sys_wait_focus "$window" "\"Conta\"" SYS_KEY_CONTA_EX1
    printf '%s\n' "$window"
}

# Records the sink while the keys are typed into the window; prints the number of loud windows.
heard()
{
    local name=$1 window=$2 recording="$SYS_ARTEFACTS/$1.raw"
    shift 2
    sleep 2 # what was said before is over
    (exec parec --device=quantella.monitor --raw --format=s16le --rate="$SYS_RATE" --channels=1 --latency-msec=20 \
        >"$recording" 2>/dev/null) &
    SYS_EXTRA_PIDS=$!
    sleep 0.3
    sys_keys "$window" "$@"
    sleep 2
    sys_stop_pid "$SYS_EXTRA_PIDS"
    SYS_EXTRA_PIDS=""
    sys_shot "$name"
    loud_windows "$recording"
}

# ---- The voice, with the accessibility bus enabled as switch access enables it

sys_a11y_set IsEnabled true
# The session bus found where systemd keeps it, with no address given.
sys_start_program env -u DBUS_SESSION_BUS_ADDRESS "$program"
# The service lists thousands of voices, which takes seconds: the keys are named once it has.
sys_wait_for 30 "the program's voice did not connect" grep -q 'SET SELF LANGUAGE it' "$SYS_PROTOCOL"
window=$(open_exercise)
loud=$(heard "voice" "$window" Return)
sys_log "\"Conta\" with the voice: $loud loud windows of 20 ms"
[ "$loud" -ge 5 ] || sys_fail "\"Conta\" was not heard ($loud loud windows)"
# The keys went by quickly: a newer name replaces one not yet said, so the last one is sure.
sys_said_by quantella | grep -qE "^(Dall'insieme ai simboli grafici|Fino a cinque|Vai)$" ||
    sys_fail "with only the accessibility bus enabled, the key names were not said: $(sys_said_by quantella | tr '\n' '|')"

# Six symbols for at most five objects: a mistake, and the voice says how many there were.
sys_keys "$window" Return Return Return Return Return 3 Return
sleep 2
taught=$(sys_said_by quantella | tail -n 1)
sys_log "after the mistake: \"$taught\""
[[ "$taught" =~ ^Errato\.\ Er(a\ uno|ano\ (due|tre|quattro|cinque))\.$ ]] ||
    sys_fail "after the mistake the voice said \"$taught\""

# The service dies in the middle of play: the next count shows at once, and a few seconds later
# the voice is back through a service the program starts again.
sys_stop_pid "$SYS_SPEECHD_PID"
SYS_SPEECHD_PID=""
sys_keys "$window" 4 Return
sys_wait_focus "$window" "\"Conta\" after \"Avanti\"" SYS_KEY_CONTA_EX1
sys_keys "$window" Return
area=$(sys_place "$window" SYS_CELL1_EX1)
marks=$(sys_wait_colour "$area" "#0000FF" 20 1)
[ "$marks" -ge 20 ] || sys_fail "with the speech service gone, \"Conta\" showed no symbol within 1 s"
# The program starts a new service and connects again, which takes seconds (the voice list).
connected_again() { [ "$(grep -c 'SET SELF LANGUAGE it' "$SYS_PROTOCOL")" -ge 2 ]; }
sys_wait_for 30 "the program did not connect to a new speech service" connected_again
loud=$(heard "voice-back" "$window" Return)
SYS_SPEECHD_PID=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null || true)
sys_log "\"Conta\" after the service came back: $loud loud windows; $(grep -c voce "$SYS_ARTEFACTS/program.log") lines"
[ "$loud" -ge 5 ] || sys_fail "the voice did not come back ($loud loud windows)"
grep -q "voce persa" "$SYS_ARTEFACTS/program.log" || sys_fail "the lost voice was not reported"
grep -q "la voce è tornata" "$SYS_ARTEFACTS/program.log" || sys_fail "the voice's return was not reported"

# A screen reader starts: it says the key names, the program no longer does.
sys_a11y_set ScreenReaderEnabled true
sleep 0.5
before=$(sys_said_by quantella | wc -l)
sys_keys "$window" 1 2
sleep 1
sys_said_by quantella | tail -n +$((before + 1)) | grep -q . &&
    sys_fail "with a screen reader, the program said: $(sys_said_by quantella | tail -n +$((before + 1)) | tr '\n' '|')"
sys_a11y_set ScreenReaderEnabled false
sys_terminate_program

sys_start_program "$program" --senza-voce
window=$(open_exercise)
loud=$(heard "no-voice" "$window" Return)
sys_log "\"Conta\" with --senza-voce: $loud loud windows"
[ "$loud" -eq 0 ] || sys_fail "--senza-voce was heard ($loud loud windows)"
sys_terminate_program

# No speech service to be had: the line that says so gives the service's own reason.
sys_start_program env SPEECHD_ADDRESS="unix_socket:$SYS_TMP/nowhere/speechd.sock" "$program"
sys_wait_start_window >/dev/null
sys_wait_for 5 "the missing voice's line does not give the service's reason" \
    grep -q "^quantella: nessuna voce (nessun servizio di sintesi vocale: «.*nowhere/speechd.sock.*»)" \
    "$SYS_ARTEFACTS/program.log"
sys_log "$(cat "$SYS_ARTEFACTS/program.log")"
sys_terminate_program

# On a German desktop: German captions, and a German voice counting. (The speech service started
# on demand refuses a locale the machine lacks, and this one may lack de_DE.)
sys_start_program env -u LC_ALL LANGUAGE=de LANG=C.UTF-8 "$program"
sys_wait_for 30 "the voice was not set to German" grep -q 'SET SELF LANGUAGE de' "$SYS_PROTOCOL"
window=$(open_exercise "Von der Menge zu den Zeichen")
loud=$(heard "german" "$window" Return Return)
counted=$(sys_said_by quantella | tail -n 1)
sys_log "in German: \"$counted\", $loud loud windows"
[ "$counted" = zwei ] && [ "$loud" -ge 5 ] || sys_fail "in German the voice said \"$counted\" ($loud loud windows)"
sys_terminate_program

# In Chinese, chosen on the command line: a Mandarin voice, which the speech service calls cmn,
# counts in ICU's words.
title=$(/usr/bin/python3 - "$(dirname "$0")/../../translations/quantella_zh.ts" <<'PY'
import sys, xml.etree.ElementTree as ET
for message in ET.parse(sys.argv[1]).getroot().iter('message'):
    if message.findtext('source') == "Dall'insieme ai simboli grafici":
        print(message.findtext('translation'))
        break
PY
)
sys_start_program "$program" --lingua zh
window=$(open_exercise "$title")
loud=$(heard "chinese" "$window" Return Return Return)
counted=$(sys_said_by quantella | tail -n 1)
sys_log "in Chinese: \"$counted\", $loud loud windows"
[ "$counted" = 三 ] && [ "$loud" -ge 5 ] || sys_fail "in Chinese the voice said \"$counted\" ($loud loud windows)"
grep -q 'SET SELF LANGUAGE cmn' "$SYS_PROTOCOL" || sys_fail "the voice was not set to Mandarin"
sys_terminate_program

# Without a sound server, a speech service started on demand says its first word, then hangs for
# good, and a program that connects to it later never gets its engine. The program plays on, and
# leaves at once all the same.
sys_stop_pid "$SYS_SPEECHD_PID"
sys_stop_pid "$SYS_PULSE_PID"
SYS_SPEECHD_PID="" SYS_PULSE_PID=""
sed -i '/AudioOutputMethod/d' "$HOME/.config/speech-dispatcher/speechd.conf"
sys_start_program "$program"
heard "voice-first" "$(open_exercise)" Return >/dev/null
sys_terminate_program
SYS_SPEECHD_PID=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null || true)
[ -n "$SYS_SPEECHD_PID" ] || sys_fail "no speech service was started on demand"
sys_start_program "$program"
heard "voice-hung" "$(open_exercise)" Return >/dev/null
sys_terminate_program
sys_log "PASS"
