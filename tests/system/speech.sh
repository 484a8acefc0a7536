#!/bin/bash
# The voice, heard for real: a private sound server with a null sink, the desktop's speech service
# with its Italian voice behind it, and the real program played by keyboard under Xvfb. The sink's
# monitor is recorded around one press of "Conta": the count is heard; with --senza-voce nothing
# is; with a speech service that hangs, the program still plays on and leaves at once.
# Usage: speech.sh PROGRAM ARTEFACTS_DIR
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 PROGRAM ARTEFACTS_DIR" >&2; exit 2; }
program=$(realpath "$1")
SYS_ARTEFACTS=$2
# shellcheck source=SCRIPTDIR/common.sh
. "$(dirname "$0")/common.sh"

readonly rate=16000  # one channel; a 20 ms window is 320 samples
pulse_pid="" speechd_pid="" recorder_pid=""

# Stops one of this test's processes by pid, and its children (the speech service's synthesiser):
# TERM, then KILL, as a speech service whose sound server went away ignores TERM.
stop_pid()
{
    local pid=$1 children
    [ -n "$pid" ] || return 0
    children=$(cat /proc/"$pid"/task/*/children 2>/dev/null || true)
    # shellcheck disable=SC2086
    kill "$pid" $children 2>/dev/null || true
    for _ in $(seq 20); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    # shellcheck disable=SC2086
    kill -KILL "$pid" $children 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

stop_sound()
{
    stop_pid "$recorder_pid"
    stop_pid "$speechd_pid"
    stop_pid "$pulse_pid"
    recorder_pid="" speechd_pid="" pulse_pid=""
}

sys_start_x
trap 'stop_sound; sys_cleanup' EXIT
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
mkdir -p "$XDG_RUNTIME_DIR/pulse"

# The sound server, as this user, with a null sink that the recorder listens to.
(exec pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes --log-level=error \
    --log-target=file:"$SYS_ARTEFACTS/pulse.log" \
    --load="module-null-sink sink_name=quantella rate=$rate channels=1" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/pulse/native" \
    </dev/null >/dev/null 2>&1) &
pulse_pid=$!
for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl set-default-sink quantella || sys_fail "no sound server"

# The speech service: espeak-ng in Italian through the sound server; its log kept small.
printf '%s\n' 'LogLevel 0' 'AudioOutputMethod "pulse"' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' \
    'DefaultModule espeak-ng' 'DefaultLanguage "it"' 'DefaultVolume 100' \
    >"$HOME/.config/speech-dispatcher/speechd.conf"
(exec speech-dispatcher -s -t 0 </dev/null >"$SYS_ARTEFACTS/speechd.log" 2>&1) &
speechd_pid=$!
for _ in $(seq 50); do
    [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] || sys_fail "the speech service did not start"
sys_log "sound server $pulse_pid, speech service $speechd_pid"

# Counts the 20 ms windows of a recording louder than a whisper (RMS above 1% of full scale).
loud_windows()
{
    sox -t raw -r "$rate" -e signed -b 16 -c 1 "$1" -t dat - |
        awk -v w=$((rate / 50)) '/^;/ { next } { s += $2 * $2; if (++n == w) { if (sqrt(s / n) > 0.01) c++; s = n = 0 } }
                                  END { print c + 0 }'
}

# Opens exercise 1 by keyboard, then records the sink while "Conta" is pressed once; prints the
# number of loud windows.
count_aloud()
{
    local name=$1 start window recording
    start=$(sys_wait_start_window)
    sys_keys "$start" 1 Return 1 Return 1 Return
    window=$(sys_wait_window "$SYS_TITLE_EX1" 15)
    # shellcheck disable=SC2086
    sys_wait_focus "$window" "\"Conta\"" "$SYS_EX_W" "$SYS_EX_H" $SYS_KEY_CONTA_EX1
    sleep 2  # what the keys said on the way is over
    recording="$SYS_ARTEFACTS/$name.raw"
    (exec parec --device=quantella.monitor --raw --format=s16le --rate="$rate" --channels=1 --latency-msec=20 \
        >"$recording" 2>/dev/null) &
    recorder_pid=$!
    sleep 0.3
    sys_keys "$window" Return
    sleep 2
    stop_pid "$recorder_pid"
    recorder_pid=""
    sys_shot "$name"
    loud_windows "$recording"
}

sys_start_program "$program"
loud=$(count_aloud "voice")
sys_log "\"Conta\" with the voice: $loud loud windows of 20 ms"
[ "$loud" -ge 5 ] || sys_fail "\"Conta\" was not heard ($loud loud windows)"
sys_terminate_program

sys_start_program "$program" --senza-voce
loud=$(count_aloud "no-voice")
sys_log "\"Conta\" with --senza-voce: $loud loud windows"
[ "$loud" -eq 0 ] || sys_fail "--senza-voce was heard ($loud loud windows)"
sys_terminate_program

# Without a sound server, a speech service started on demand says its first word, then hangs for
# good, and a program that connects to it later never gets its engine. The program plays on, and
# leaves at once all the same.
stop_sound
sed -i '/AudioOutputMethod/d' "$HOME/.config/speech-dispatcher/speechd.conf"
sys_start_program "$program"
count_aloud "voice-first" >/dev/null
sys_terminate_program
spawned=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null || true)
[ -n "$spawned" ] || sys_fail "no speech service was started on demand"
speechd_pid=$spawned  # stopped by this test's own clean-up, with KILL if it has hung
sys_start_program "$program"
count_aloud "voice-hung" >/dev/null
sys_terminate_program
sys_log "PASS"
