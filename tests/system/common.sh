# Shared by the system tests: a private X server and window manager, and the steps a person takes
# with the keyboard. Sourced, not run; the caller passes its arguments to sys_init first.

set -euo pipefail
shopt -s inherit_errexit

readonly SYS_TITLE_START="SERAVINO"
readonly SYS_TITLE_EX1="Dall'insieme ai simboli grafici"
readonly SYS_TITLE_EX2="Dai simboli grafici all'insieme"

# Design client areas in twips; controls scale with the real client area.
readonly SYS_START_W=11880 SYS_START_H=8820
readonly SYS_EX_W=11925 SYS_EX_H=8820

readonly SYS_COLOUR_OUTCOME="#0000C0" # outcome text
readonly SYS_COLOUR_FOCUS="#FFC080"   # command key holding the focus
readonly SYS_COLOUR_SCAN="#0040FF"    # the frame of the key the scan is on
readonly SYS_COLOUR_VALUE="#0000FF"   # the values of the results panel

SYS_TMP="" SYS_X_PID="" SYS_WM_PID="" SYS_PROGRAM_PID="" SYS_SHOT_NO=0 SYS_SPINNERS="" SYS_WESTON_PID="" SYS_BUS_PID=""
SYS_PULSE_PID="" SYS_SPEECHD_PID="" SYS_EXTRA_PIDS=""

sys_log() { printf '[%s] %s\n' "$(date +%T.%3N)" "$*" >&2; }

# Takes the test's arguments, PROGRAM and ARTEFACTS_DIR: the program's full path in `program`.
sys_init()
{
    [ $# -eq 2 ] || { echo "usage: $0 PROGRAM ARTEFACTS_DIR" >&2; exit 2; }
    # shellcheck disable=SC2034 # the test's
    program=$(realpath "$1")
    SYS_ARTEFACTS=$2
}

sys_fail()
{
    sys_log "FAIL: $*"
    sys_shot "failure" 2>/dev/null || true
    exit 1
}

# Every exit path stops what this test started, by pid, youngest first, the program (under a tracer,
# with the tracer's child) before all; a test adds its own processes to SYS_EXTRA_PIDS.
sys_cleanup()
{
    local status=$? pid
    trap - EXIT INT TERM
    # shellcheck disable=SC2086 # lists of pids
    for pid in "$SYS_PROGRAM_PID" $SYS_EXTRA_PIDS "$SYS_SPEECHD_PID" "$SYS_PULSE_PID" $SYS_SPINNERS \
        "$SYS_WESTON_PID" "$SYS_WM_PID" "$SYS_BUS_PID" "$SYS_X_PID"; do
        sys_stop_pid "$pid"
    done
    [ -n "$SYS_TMP" ] && rm -rf "$SYS_TMP"
    exit "$status"
}

# Stops one of this test's processes by pid, and its children (the speech service's synthesiser, the
# traced program): TERM, then KILL, as a speech service whose sound server went away ignores TERM.
sys_stop_pid()
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

# Waits up to SECONDS for the command to succeed, trying every tenth of a second; fails with
# MESSAGE if it never does.
sys_wait_for()
{
    local seconds=$1 message=$2
    shift 2
    for _ in $(seq $((seconds * 10))); do
        "$@" && return
        sleep 0.1
    done
    "$@" || sys_fail "$message"
}

# A private X server on a free display, openbox on it (unless told --no-wm), a throwaway home and
# a private session bus, as a desktop session has: screen readers reach the program through it.
sys_start_x()
{
    local wm=1
    [ "${1:-}" = --no-wm ] && wm=0
    mkdir -p "$SYS_ARTEFACTS"
    rm -f "$SYS_ARTEFACTS"/*.png "$SYS_ARTEFACTS"/*.log
    SYS_TMP=$(mktemp -d /tmp/quantella-system.XXXXXX)
    trap sys_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM

    export HOME="$SYS_TMP/home" XDG_RUNTIME_DIR="$SYS_TMP/runtime"
    mkdir -m 0700 "$HOME" "$XDG_RUNTIME_DIR"
    # No speech service unless a test starts one: the voice finds none and the program runs on in
    # silence, as on a machine without one.
    mkdir -p "$HOME/.config/speech-dispatcher"
    echo DisableAutoSpawn >"$HOME/.config/speech-dispatcher/speechd.conf"
    unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY XAUTHORITY QT_QPA_PLATFORM XDG_CONFIG_HOME \
        SPEECHD_ADDRESS PULSE_SERVER AT_SPI_BUS_ADDRESS QT_ACCESSIBILITY QT_LINUX_ACCESSIBILITY_ALWAYS_ON
    export QT_QPA_PLATFORM=xcb
    # Italian, whatever the desktop of whoever runs the tests.
    export LANGUAGE=it LANG=C.UTF-8 LC_ALL=C.UTF-8
    unset LC_MESSAGES

    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$SYS_TMP/display" \
        >"$SYS_ARTEFACTS/xvfb.log" 2>&1 &
    SYS_X_PID=$!
    local number=""
    for _ in $(seq 100); do
        number=$(head -n 1 "$SYS_TMP/display" 2>/dev/null || true)
        [ -n "$number" ] && break
        kill -0 "$SYS_X_PID" 2>/dev/null || sys_fail "Xvfb did not start"
        sleep 0.1
    done
    [ -n "$number" ] || sys_fail "Xvfb gave no display number"
    export DISPLAY=":$number"
    # shellcheck disable=SC2034 # the path of the X connection, for the tests that trace it
    SYS_X_SOCKET="/tmp/.X11-unix/X$number"

    # Started once the display and the home are set: the services it starts on demand (the
    # accessibility bus) inherit them.
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
    dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" \
        >"$SYS_ARTEFACTS/dbus.log" 2>&1 &
    SYS_BUS_PID=$!
    sys_wait_for 5 "the session bus did not start" test -S "$XDG_RUNTIME_DIR/bus"

    if [ "$wm" = 0 ]; then
        timeout 10 xdotool getmouselocation >/dev/null 2>&1 || sys_fail "X display $DISPLAY does not answer"
        sys_log "X display $DISPLAY, no window manager"
        return
    fi
    # Seen rarely while other X servers come and go on the machine: openbox cannot open the new
    # display at its first try. A retry is the remedy; the program is not started yet.
    local attempt
    for attempt in 1 2 3; do
        openbox --sm-disable >"$SYS_ARTEFACTS/openbox.log" 2>&1 &
        SYS_WM_PID=$!
        for _ in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
            kill -0 "$SYS_WM_PID" 2>/dev/null || break
            sleep 0.1
        done
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sys_log "openbox did not start (attempt $attempt): $(cat "$SYS_ARTEFACTS/openbox.log")"
        kill "$SYS_WM_PID" 2>/dev/null || true
        wait "$SYS_WM_PID" 2>/dev/null || true
        SYS_WM_PID=""
        sleep 0.5
    done
    [ -n "$SYS_WM_PID" ] || sys_fail "openbox is not managing display $DISPLAY"
    sys_log "X display $DISPLAY, openbox $SYS_WM_PID"
}

# Sets a property of the accessibility bus's status (IsEnabled, ScreenReaderEnabled), as a
# screen reader or a switch-access tool does.
sys_a11y_set()
{
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status "string:$1" "variant:boolean:$2" >/dev/null || sys_fail "cannot set $1 on the accessibility bus"
}

readonly SYS_RATE=16000 # one channel; a 20 ms window is 320 samples

# A private sound server with a null sink, "quantella", whose monitor a recorder can listen to.
sys_start_sound()
{
    export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
    mkdir -p "$XDG_RUNTIME_DIR/pulse"
    (exec pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes --log-level=error \
        --log-target=file:"$SYS_ARTEFACTS/pulse.log" \
        --load="module-null-sink sink_name=quantella rate=$SYS_RATE channels=1" \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/pulse/native" \
        </dev/null >/dev/null 2>&1) &
    SYS_PULSE_PID=$!
    for _ in $(seq 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    pactl set-default-sink quantella || sys_fail "no sound server"
}

# The speech service with espeak-ng through the sound server. Every text it is asked to say goes to
# SYS_PROTOCOL, and its own log (what reaches the synthesiser, and how each message ends) to
# SYS_SPEECHD_LOG. A program that connects when it is not running starts it again, the same way.
sys_start_speech_service()
{
    SYS_PROTOCOL="$SYS_ARTEFACTS/speechd-protocol.log"
    SYS_SPEECHD_LOG="$XDG_RUNTIME_DIR/speech-dispatcher/log/speech-dispatcher.log"
    printf '%s\n' 'LogLevel 5' "CustomLogFile \"protocol\" \"$SYS_PROTOCOL\"" 'AudioOutputMethod "pulse"' \
        'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' 'DefaultModule espeak-ng' 'DefaultLanguage "it"' \
        'DefaultVolume 100' >"$HOME/.config/speech-dispatcher/speechd.conf"
    (exec speech-dispatcher -s -t 0 </dev/null >/dev/null 2>&1) &
    SYS_SPEECHD_PID=$!
    sys_wait_for 5 "the speech service did not start" test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"
    sys_log "sound server $SYS_PULSE_PID, speech service $SYS_SPEECHD_PID"
}

# Prints, one per line, the texts the speech service was asked to say by the client whose name
# contains NAME ("quantella", "orca"), as the protocol log has them.
sys_said_by()
{
    awk -v who="$1" '
        {
            at = index($0, ":DATA:|")
            if (!at) next
            n = split(substr($0, 1, at - 1), words, " ")
            fd = words[n]
            data = substr($0, at + 7)
            sub(/\r$/, "", data)
            if (data ~ /CLIENT_NAME/) client[fd] = tolower(data)
            else if (tolower(data) == "speak") inside[fd] = 1
            else if (data == ".") inside[fd] = 0
            else if (inside[fd] && index(client[fd], who)) { gsub(/<[^>]*>/, "", data); print data }
        }' "$SYS_PROTOCOL"
}

# Starts the command in the background with its output kept as an artefact.
sys_start_program()
{
    "$@" >"$SYS_ARTEFACTS/program.log" 2>&1 &
    SYS_PROGRAM_PID=$!
    sys_log "started $1 as $SYS_PROGRAM_PID"
}

# Saves a screenshot of the whole screen as the next numbered artefact, named in SYS_SHOT.
sys_shot()
{
    SYS_SHOT_NO=$((SYS_SHOT_NO + 1))
    SYS_SHOT=$(printf '%s/%02d-%s.png' "$SYS_ARTEFACTS" "$SYS_SHOT_NO" "$1")
    import -window root "$SYS_SHOT"
}

# Prints the id of the visible window with exactly this caption, waiting for it to appear.
sys_wait_window()
{
    local id
    id=$(timeout "${2:-15}" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] || sys_fail "no window \"$1\" within ${2:-15} s"
    printf '%s\n' "$id"
}

sys_program_alive() { kill -0 "$SYS_PROGRAM_PID" 2>/dev/null; }

# Waits up to SECONDS for the program to end; it must end, with status 0. WHY says after what.
sys_wait_end()
{
    local seconds=$1 why=$2 status=0 deadline=$((SECONDS + $1))
    while sys_program_alive && [ "$SECONDS" -lt "$deadline" ]; do
        sleep 0.01
    done
    sys_program_alive && sys_fail "the program is still running $seconds s $why"
    wait "$SYS_PROGRAM_PID" || status=$?
    SYS_PROGRAM_PID=""
    [ "$status" -eq 0 ] || sys_fail "the program ended with status $status $why"
}

# Keys go to the addressed window, which is made active first, as a person clicks into it.
sys_keys()
{
    local window=$1 key
    shift
    sys_program_alive || sys_fail "the program ended early"
    if [ "$(xdotool getactivewindow 2>/dev/null || true)" != "$window" ]; then
        timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1 ||
            sys_fail "could not activate window $window"
        sleep 0.2
    fi
    # Real key events (XTEST) to the focused window: a key may close its window before its release.
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.12
    done
}

# Prints the screen crop geometry (WxH+X+Y) of a rectangle given in design twips of a window whose
# client area is DESIGN_W x DESIGN_H twips.
sys_area()
{
    local window=$1 left=$2 top=$3 width=$4 height=$5 design_w=$6 design_h=$7
    xwininfo -id "$window" | awk -v l="$left" -v t="$top" -v w="$width" -v h="$height" \
        -v dw="$design_w" -v dh="$design_h" '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { cw = $NF }
        /^ *Height:/ { ch = $NF }
        END {
            if (cw == "" || ch == "") exit 1
            printf "%dx%d+%d+%d\n", int(w * cw / dw + 0.5), int(h * ch / dh + 0.5),
                x + int(l * cw / dw + 0.5), y + int(t * ch / dh + 0.5)
        }'
}

# Counts the pixels of exactly one colour inside a crop of a screenshot.
sys_count_colour()
{
    local shot=$1 area=$2 colour=$3
    convert "$shot" -crop "$area" +repage txt:- | grep -ci " $colour " || true
}

# Waits until at least MINIMUM pixels of the colour show in the screen area; prints the last count.
sys_wait_colour()
{
    local area=$1 colour=$2 minimum=$3 seconds=$4 shot count=0
    local deadline=$((SECONDS + seconds))
    while :; do
        shot="$SYS_TMP/probe.png"
        import -window root "$shot"
        count=$(sys_count_colour "$shot" "$area" "$colour")
        [ "$count" -ge "$minimum" ] && break
        [ "$SECONDS" -ge "$deadline" ] && break
        sleep 0.2
    done
    printf '%s\n' "$count"
}

# Twips of the keys whose focus colour tells a step has landed: the first exercise key on the start
# window and "Conta" on each exercise window (frame origin plus key offset, key size). The helpers
# below take a place by the name of its variable.
# shellcheck disable=SC2034 # read by name
readonly SYS_KEY_START_EX1="390 4410 3195 1380" \
    SYS_KEY_START_EX2="390 5835 3195 1380" \
    SYS_KEY_START_5="4170 4440 3195 930" \
    SYS_KEY_START_10="4170 5415 3195 915" \
    SYS_KEY_START_20="4170 6360 3195 915" \
    SYS_KEY_START_VAI="7845 4455 3195 915" \
    SYS_KEY_CONTA_EX1="8175 5370 3375 720" \
    SYS_KEY_VERIFICA_EX1="8175 6105 3375 720" \
    SYS_KEY_AVANTI_EX1="8175 6840 3375 720" \
    SYS_KEY_CONTA_EX2="8175 4590 3375 720"
# The first two places the child fills: symbols on the pink of exercise 1, figures on the white
# plate of exercise 2.
# shellcheck disable=SC2034 # read by name
readonly SYS_CELL1_EX1="8265 1950 405 405" SYS_CELL2_EX1="8880 1950 405 405" SYS_CELL_BG_EX1="#FFC0FF" \
    SYS_CELL1_EX2="1095 1530 750 750" SYS_CELL2_EX2="1965 1530 750 750" SYS_CELL_BG_EX2="#FFFFFF"

# The results panel's counts of right and wrong answers, on either exercise window.
# shellcheck disable=SC2034 # read by name
readonly SYS_RIGHT="1335 7260 810 480" SYS_WRONG="2265 7260 810 480"

# Prints the screen crop of a place of a window, named by its variable above: SYS_KEY_START_* on the
# start window, the others on an exercise window.
sys_place()
{
    local window=$1 name=$2 design="$SYS_EX_W $SYS_EX_H"
    [[ $name != SYS_KEY_START_* ]] || design="$SYS_START_W $SYS_START_H"
    # shellcheck disable=SC2086 # twips and the design size are lists
    sys_area "$window" ${!name} $design || sys_fail "no geometry for window $window"
}

# Waits until the key at a place shows the focus colour over a third of its face (a range key's
# picture covers half of it).
sys_wait_focus()
{
    local window=$1 what=$2 area count
    area=$(sys_place "$window" "$3")
    local size=${area%%+*}
    local pixels=$((${size%x*} * ${size#*x}))
    count=$(sys_wait_colour "$area" "$SYS_COLOUR_FOCUS" $((pixels / 3)) 8)
    [ "$count" -ge $((pixels / 3)) ] || sys_fail "$what does not hold the focus ($count of $pixels pixels)"
}

# Fails if the key at a place shows the focus colour in the last screenshot.
sys_expect_no_focus()
{
    local window=$1 what=$2 area count
    area=$(sys_place "$window" "$3")
    count=$(sys_count_colour "$SYS_SHOT" "$area" "$SYS_COLOUR_FOCUS")
    [ "$count" -lt 20 ] || sys_fail "$what holds the focus ($count pixels)"
}

# Counts the pixels of the last screenshot at a place of a window that are not of the given
# background colour: what a picture cell shows.
sys_count_marks()
{
    local area
    area=$(sys_place "$1" "$2")
    convert "$SYS_SHOT" -crop "$area" +repage txt:- | tail -n +2 | grep -vci " $3 " || true
}

# In scanning mode: waits until the scan steps onto the key at a place (the frame's blue shows on
# the left of its middle line, where the look before did not), then until the grace time after that
# step is over, in which a press would still count for the key before. Returns early in the period.
sys_scan_wait()
{
    local window=$1 what=$2 area line width rest height x y count seen=1 shot=0 deadline=$((SECONDS + 20))
    area=$(sys_place "$window" "$3")
    width=${area%%x*} rest=${area#*x}
    height=${rest%%+*} rest=${rest#*+}
    x=${rest%%+*} y=${rest#*+}
    line="$((width / 4))x1+$x+$((y + height / 2))"
    while :; do
        shot=$(date +%s%N)
        count=$(import -window root -crop "$line" -depth 8 txt:- | grep -ci " $SYS_COLOUR_SCAN " || true)
        [ "$count" -ge 3 ] && [ "$seen" = 0 ] && break
        [ "$count" -ge 3 ] && seen=1 || seen=0
        [ "$SECONDS" -lt "$deadline" ] || sys_fail "the scan did not come to $what"
        sleep 0.03
    done
    # The step came before that look: 0.4 s after it the grace time (0.3 s) is over.
    sleep "$(awk -v s="$shot" -v n="$(date +%s%N)" 'BEGIN { d = 0.4 - (n - s) / 1e9; printf "%.3f", (d > 0 ? d : 0) }')"
}

# Counts the pixels of the last screenshot at a place of a window that are of the given colour.
sys_count_at()
{
    sys_count_colour "$SYS_SHOT" "$(sys_place "$1" "$2")" "$3"
}

# Holds a key down with the X server's own auto-repeat for SECONDS, while two busy processes compete
# for the CPU: on an idle machine Qt sees most repeats for what they are, on a busy one it does not.
sys_hold_key()
{
    local window=$1 key=$2 seconds=${3:-1.5} spinner
    [ -z "$window" ] || sys_keys "$window" # none: the keys go where the pointer is
    SYS_SPINNERS=""
    for _ in 1 2; do
        (while :; do :; done) &
        SYS_SPINNERS="$SYS_SPINNERS $!"
    done
    xdotool keydown "$key"
    sleep "$seconds"
    xdotool keyup "$key"
    for spinner in $SYS_SPINNERS; do
        kill "$spinner"
        wait "$spinner" 2>/dev/null || true
    done
    SYS_SPINNERS=""
    sleep 0.3
    sys_log "held $key for $seconds s under load"
}

# The start window is up, its curtain open and the focus on the first exercise key.
sys_wait_start_window()
{
    local window
    window=$(sys_wait_window "$SYS_TITLE_START" 20)
    sys_wait_focus "$window" "the first exercise key" SYS_KEY_START_EX1
    printf '%s\n' "$window"
}

# From the start window: one exercise, range "up to 5", one round by keyboard, the outcome checked
# on screen, and back with "Esci". EXERCISE is 1 or 2; COUNTS is how many times "Conta" is pressed.
# Enter on row 1, space on row 2 and the first "Conta" are held down: each acts once.
sys_play_exercise()
{
    local exercise=$1 counts=$2 start verifica=3 esci=5 window area before after marks1 marks2
    local title="SYS_TITLE_EX$exercise" background="SYS_CELL_BG_EX$exercise"
    title=${!title} background=${!background}

    start=$(sys_wait_start_window)
    sys_keys "$start" "$exercise"
    sys_hold_key "$start" Return # row 1: the exercise, and nothing more
    sys_wait_focus "$start" "the first range key after a held Enter" SYS_KEY_START_5
    sys_shot "ex$exercise-held-enter"
    sys_expect_no_focus "$start" "\"Vai\" after Enter held on row 1" SYS_KEY_START_VAI
    sys_hold_key "$start" space # row 2: one key on
    sys_wait_focus "$start" "the second range key after a held space" SYS_KEY_START_10
    sys_shot "ex$exercise-held-space"
    sys_expect_no_focus "$start" "the third range key after a held space" SYS_KEY_START_20
    xdotool search --onlyvisible --name "^($SYS_TITLE_EX1|$SYS_TITLE_EX2)\$" >/dev/null 2>&1 &&
        sys_fail "a held key opened an exercise"
    sys_keys "$start" 1 Return # row 2: up to 5
    sys_shot "ex$exercise-chosen"
    sys_keys "$start" 1 Return # row 3: "Vai"

    window=$(sys_wait_window "$title" 15)
    sys_log "exercise $exercise window $window"
    sys_wait_focus "$window" "\"Conta\" of exercise $exercise" "SYS_KEY_CONTA_EX$exercise"
    area=$(sys_area "$window" 90 4515 7455 1320 "$SYS_EX_W" "$SYS_EX_H") || sys_fail "no geometry for $window"
    sys_shot "ex$exercise-open"
    before=$(sys_count_colour "$SYS_SHOT" "$area" "$SYS_COLOUR_OUTCOME")
    [ "$before" -lt 50 ] || sys_fail "exercise $exercise shows an outcome before any check ($before pixels)"

    sys_hold_key "$window" Return # "Conta" holds the focus
    sys_shot "ex$exercise-held-conta"
    marks1=$(sys_count_marks "$window" "SYS_CELL1_EX$exercise" "$background")
    marks2=$(sys_count_marks "$window" "SYS_CELL2_EX$exercise" "$background")
    [ "$marks1" -ge 50 ] && [ "$marks2" -eq 0 ] ||
        sys_fail "Enter held on \"Conta\" of exercise $exercise: $marks1 and $marks2 pixels in the first two places"
    for _ in $(seq 2 "$counts"); do
        sys_keys "$window" Return
    done
    sys_shot "ex$exercise-counted"
    sys_keys "$window" "$verifica" Return
    after=$(sys_wait_colour "$area" "$SYS_COLOUR_OUTCOME" 1500 5)
    sys_shot "ex$exercise-checked"
    # ESATTO and ERRATO at 96 px each fill several thousand pixels of the outcome colour.
    [ "$after" -ge 1500 ] || sys_fail "exercise $exercise shows no outcome after \"Verifica\" ($after pixels in $area)"
    sys_log "exercise $exercise outcome: $after pixels of $SYS_COLOUR_OUTCOME in $area"

    sys_keys "$window" "$esci" Return
    sys_wait_window "$SYS_TITLE_START" 10 >/dev/null
    sys_shot "ex$exercise-back"
}

# From the start window: an exercise and a range chosen, then its "Esci"; the program must end with
# status 0 within SECONDS.
sys_leave()
{
    local seconds=$1 start
    start=$(sys_wait_start_window)
    sys_keys "$start" 1 Return
    sys_keys "$start" 1 Return
    sys_shot "leaving"
    sys_keys "$start" 3 Return # row 3: "Esci"
    sys_wait_end "$seconds" "after \"Esci\""
    sys_log "the program ended with status 0"
}

# ---- Wayland: weston, on its headless backend or as a window of the private X server

# Starts weston with BACKEND (headless or x11) and any further options, on a private socket, and
# waits until its seat and screenshooter are there. The output is 1024x768, plain, with no panel.
sys_start_weston()
{
    local backend=$1
    shift
    export WAYLAND_DISPLAY="quantella-wl-$$"
    printf '[core]\nidle-time=0\n[shell]\nstartup-animation=none\nanimation=none\nfocus-animation=none\n%s\n' \
        'panel-position=none' >"$SYS_TMP/weston.ini"
    # Pixman, as the screenshooter hangs with the headless renderer; --debug lets it take shots.
    weston --backend="$backend-backend.so" --use-pixman --width=1024 --height=768 --socket="$WAYLAND_DISPLAY" \
        --idle-time=0 --debug --config="$SYS_TMP/weston.ini" --log="$SYS_ARTEFACTS/weston-$backend.log" "$@" \
        >/dev/null 2>&1 &
    SYS_WESTON_PID=$!
    # Ready when it takes a screenshot, which is what the tests ask of it: weston 10 and 14 take
    # them through different protocols, and only weston 10 has weston-info to list them.
    local deadline=$((SECONDS + 15)) probe
    probe=$(mktemp -d "$SYS_TMP/ready.XXXXXX")
    until (cd "$probe" && timeout 5 weston-screenshooter >/dev/null 2>&1); do
        kill -0 "$SYS_WESTON_PID" 2>/dev/null || sys_fail "weston ($backend) ended: $(tail -5 "$SYS_ARTEFACTS/weston-$backend.log")"
        [ "$SECONDS" -lt "$deadline" ] || sys_fail "weston ($backend) is not ready"
        sleep 0.05
    done
    rm -rf "$probe"
    sys_log "weston ($backend) on $WAYLAND_DISPLAY, pid $SYS_WESTON_PID"
}

sys_stop_weston()
{
    kill "$SYS_WESTON_PID" 2>/dev/null || true
    wait "$SYS_WESTON_PID" 2>/dev/null || true
    SYS_WESTON_PID=""
}

# A screenshot of weston's output as the next numbered artefact (SYS_SHOT).
sys_weston_shot()
{
    local dir
    dir=$(mktemp -d "$SYS_TMP/shot.XXXXXX")
    (cd "$dir" && timeout 10 weston-screenshooter >/dev/null 2>&1) || sys_fail "weston-screenshooter failed"
    SYS_SHOT_NO=$((SYS_SHOT_NO + 1))
    SYS_SHOT=$(printf '%s/%02d-%s.png' "$SYS_ARTEFACTS" "$SYS_SHOT_NO" "$1")
    mv "$dir"/wayland-screenshot-*.png "$SYS_SHOT"
    rmdir "$dir"
}

# Ends the program with SIGTERM, as a session ending does: it must leave with status 0 at once.
sys_terminate_program()
{
    local from
    from=$(date +%s%N)
    kill -TERM "$SYS_PROGRAM_PID"
    sys_wait_end 3 "after SIGTERM"
    sys_log "the program left on SIGTERM with status 0 in $((($(date +%s%N) - from) / 1000000)) ms"
}
