#!/bin/bash
# What a screen reader and a switch find, on the real accessibility bus: an AT-SPI client plays one
# round of exercise 1 by actions alone, in Italian and, mirrored, in Arabic. Then a real screen reader runs beside the program's own
# voice, and one round is played by keyboard with a mistake: the screen reader says the outcome,
# neither cancels the other's speech, and the program says how many there were in full.
# Usage: accessibility.sh PROGRAM ARTEFACTS_DIR
set -euo pipefail

# shellcheck source=SCRIPTDIR/common.sh
. "$(dirname "$0")/common.sh"
sys_init "$@"

sys_start_x
sys_start_sound
sys_start_speech_service
# As a screen reader switches the bus on; Qt's bridge looks once, at start-up.
sys_a11y_set IsEnabled true
sys_a11y_set ScreenReaderEnabled true

# ---- A round by AT-SPI actions alone

sys_start_program "$program"
/usr/bin/python3 "$(dirname "$0")/atspi_round.py" it "$SYS_ARTEFACTS/keys-it.json" >"$SYS_ARTEFACTS/atspi.log" 2>&1 ||
    sys_fail "the AT-SPI client: $(grep -h FAULT "$SYS_ARTEFACTS/atspi.log" | tr '\n' '|')"
sys_shot "atspi-round"
sys_log "AT-SPI: $(grep -E '^(counted|outcome)' "$SYS_ARTEFACTS/atspi.log" | tr '\n' ' ')"
sys_terminate_program

# The same round right to left: in Arabic every key stands where the mirror image of the Italian
# window has it, and a screen reader meets them in the Italian order, reading from the right.
sys_start_program "$program" --lingua ar
/usr/bin/python3 "$(dirname "$0")/atspi_round.py" ar "$SYS_ARTEFACTS/keys-it.json" >"$SYS_ARTEFACTS/atspi-ar.log" 2>&1 ||
    sys_fail "the AT-SPI client in Arabic: $(grep -h FAULT "$SYS_ARTEFACTS/atspi-ar.log" | tr '\n' '|')"
sys_shot "atspi-round-ar"
sys_log "AT-SPI in Arabic: $(grep -E '^(counted|outcome)' "$SYS_ARTEFACTS/atspi-ar.log" | tr '\n' ' ')"
sys_terminate_program

# ---- A screen reader and the program's voice together

(exec orca --replace </dev/null >"$SYS_ARTEFACTS/orca.log" 2>&1) &
SYS_EXTRA_PIDS=$!
orca_spoke() { sys_said_by orca | grep -q .; }
sys_wait_for 20 "the screen reader said nothing within 20 s" orca_spoke
sys_start_program "$program"
start=$(sys_wait_start_window)
sys_keys "$start" Return
sleep 1
sys_keys "$start" Return
sleep 1
sys_keys "$start" Return
window=$(sys_wait_window "$SYS_TITLE_EX1" 15)
sys_wait_focus "$window" "\"Conta\"" SYS_KEY_CONTA_EX1
# Six symbols for at most five objects: a mistake.
for _ in 1 2 3 4 5 6; do
    sys_keys "$window" Return
    sleep 0.4
done
sys_keys "$window" 3
sleep 1
sys_keys "$window" Return
sleep 6
sys_shot "screen-reader"
sys_said_by orca >"$SYS_ARTEFACTS/said-by-orca.txt"
sys_said_by quantella >"$SYS_ARTEFACTS/said-by-quantella.txt"
sys_log "the screen reader said: $(tr '\n' '|' <"$SYS_ARTEFACTS/said-by-orca.txt")"
sys_log "the program said: $(tr '\n' '|' <"$SYS_ARTEFACTS/said-by-quantella.txt")"

grep -q "^Vai " "$SYS_ARTEFACTS/said-by-orca.txt" || sys_fail "the screen reader did not say the keys"
grep -q "ERRATO" "$SYS_ARTEFACTS/said-by-orca.txt" || sys_fail "the screen reader did not say the outcome"
grep -qx "uno" "$SYS_ARTEFACTS/said-by-quantella.txt" || sys_fail "the program did not count aloud"
grep -qE "^(Errato|ERRATO|Vai|Conta|Verifica|Avanti)" "$SYS_ARTEFACTS/said-by-quantella.txt" &&
    sys_fail "the program said what the screen reader says"
teaching=$(grep -E '^Er(a|ano) ' "$SYS_ARTEFACTS/said-by-quantella.txt" || true)
[ -n "$teaching" ] || sys_fail "the program did not say how many there were"
grep -q "CANCEL ALL" "$SYS_PROTOCOL" && sys_fail "some client cancelled everyone's speech"

# Every message of the screen reader's that was cancelled, it cancelled itself: between the
# message being queued (225-ID) and its cancellation (703-ID) the screen reader sent CANCEL.
cancelled=$(awk '
    {
        at = index($0, ":DATA:|") ? index($0, ":DATA:|") : index($0, ":REPLY:|")
        if (!at) next
        n = split(substr($0, 1, at - 1), words, " ")
        fd = words[n]
        data = substr($0, at + (index($0, ":DATA:|") ? 7 : 8))
        sub(/\r$/, "", data)
        if (data ~ /CLIENT_NAME/) reader[fd] = index(tolower(data), "orca") > 0
        if (!reader[fd]) next
        if (toupper(data) ~ /^CANCEL/) { for (id in queued) own[id] = 1; delete queued }
        else if (data ~ /^225-[0-9]+/) queued[substr(data, 5) + 0] = 1
        else if (data ~ /^703-[0-9]+/ && !own[substr(data, 5) + 0]) print substr(data, 5) + 0
    }' "$SYS_PROTOCOL")
[ -z "$cancelled" ] || sys_fail "messages of the screen reader cancelled by another client: $cancelled"

# The teaching sentence reached the synthesiser and came to its end, not stopped by another message.
ending=$(awk -v text="$teaching" '
    index($0, "Command sent to output module: |<speak>" text "</speak>|") { sent = 1; next }
    sent && /Event from output module.*\|702 END/ { print "end"; exit }
    sent && /Command sent to output module: \|STOP/ { print "stopped"; exit }' "$SYS_SPEECHD_LOG")
sys_log "\"$teaching\": $ending"
[ "$ending" = end ] || sys_fail "\"$teaching\" was not heard in full (${ending:-never sent to the synthesiser})"
sys_terminate_program
sys_log "PASS"
