# Shared by the system tests: a private X server and window manager, and the steps a person takes
# with the keyboard. Sourced, not run; the caller sets SYS_ARTEFACTS before calling sys_start_x.

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

SYS_TMP="" SYS_X_PID="" SYS_WM_PID="" SYS_PROGRAM_PID="" SYS_SHOT_NO=0

sys_log() { printf '[%s] %s\n' "$(date +%T.%3N)" "$*" >&2; }

sys_fail()
{
    sys_log "FAIL: $*"
    sys_shot "failure" 2>/dev/null || true
    exit 1
}

# Every exit path stops what this test started, by pid, youngest first.
sys_cleanup()
{
    local status=$? pid child children
    trap - EXIT INT TERM
    if [ -n "$SYS_PROGRAM_PID" ] && kill -0 "$SYS_PROGRAM_PID" 2>/dev/null; then
        # Under a tracer the program is the tracer's child: stop it too.
        children=$(cat /proc/"$SYS_PROGRAM_PID"/task/*/children 2>/dev/null || true)
        for child in $children; do
            kill "$child" 2>/dev/null || true
        done
        kill "$SYS_PROGRAM_PID" 2>/dev/null || true
    fi
    for pid in "$SYS_PROGRAM_PID" "$SYS_WM_PID" "$SYS_X_PID"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 30); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    [ -n "$SYS_TMP" ] && rm -rf "$SYS_TMP"
    exit "$status"
}

# A private X server on a free display, openbox on it, and a throwaway home.
sys_start_x()
{
    mkdir -p "$SYS_ARTEFACTS"
    rm -f "$SYS_ARTEFACTS"/*.png "$SYS_ARTEFACTS"/*.log
    SYS_TMP=$(mktemp -d /tmp/quantella-system.XXXXXX)
    trap sys_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM

    export HOME="$SYS_TMP/home" XDG_RUNTIME_DIR="$SYS_TMP/runtime"
    mkdir -m 0700 "$HOME" "$XDG_RUNTIME_DIR"
    unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY XAUTHORITY QT_QPA_PLATFORM
    export QT_QPA_PLATFORM=xcb

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
# window and "Conta" on each exercise window (frame origin plus key offset, key size).
readonly SYS_KEY_START_EX1="390 4410 3195 1380"
readonly SYS_KEY_CONTA_EX1="8175 5370 3375 720"
readonly SYS_KEY_CONTA_EX2="8175 4590 3375 720"

# Waits until the key at these twips shows the focus colour over most of its face.
sys_wait_focus()
{
    local window=$1 what=$2 design_w=$3 design_h=$4 area count
    shift 4
    area=$(sys_area "$window" "$@" "$design_w" "$design_h") || sys_fail "no geometry for window $window"
    local size=${area%%+*}
    local pixels=$((${size%x*} * ${size#*x}))
    count=$(sys_wait_colour "$area" "$SYS_COLOUR_FOCUS" $((pixels / 2)) 8)
    [ "$count" -ge $((pixels / 2)) ] || sys_fail "$what does not hold the focus ($count of $pixels pixels)"
}

# The start window is up, its curtain open and the focus on the first exercise key.
sys_wait_start_window()
{
    local window
    window=$(sys_wait_window "$SYS_TITLE_START" 20)
    # shellcheck disable=SC2086
    sys_wait_focus "$window" "the first exercise key" "$SYS_START_W" "$SYS_START_H" $SYS_KEY_START_EX1
    printf '%s\n' "$window"
}

# From the start window: one exercise, range "up to 5", one round by keyboard, the outcome checked
# on screen, and back with "Esci". EXERCISE is 1 or 2; COUNTS is how many times "Conta" is pressed.
sys_play_exercise()
{
    local exercise=$1 counts=$2 start title conta verifica=3 esci=5 window area before after
    if [ "$exercise" = 1 ]; then
        title=$SYS_TITLE_EX1 conta=$SYS_KEY_CONTA_EX1
    else
        title=$SYS_TITLE_EX2 conta=$SYS_KEY_CONTA_EX2
    fi

    start=$(sys_wait_start_window)
    sys_keys "$start" "$exercise" Return # row 1: the exercise
    sys_keys "$start" 1 Return           # row 2: up to 5
    sys_shot "ex$exercise-chosen"
    sys_keys "$start" 1 Return # row 3: "Vai"

    window=$(sys_wait_window "$title" 15)
    sys_log "exercise $exercise window $window"
    # shellcheck disable=SC2086
    sys_wait_focus "$window" "\"Conta\" of exercise $exercise" "$SYS_EX_W" "$SYS_EX_H" $conta
    area=$(sys_area "$window" 90 4515 7455 1320 "$SYS_EX_W" "$SYS_EX_H") || sys_fail "no geometry for $window"
    sys_shot "ex$exercise-open"
    before=$(sys_count_colour "$SYS_SHOT" "$area" "$SYS_COLOUR_OUTCOME")
    [ "$before" -lt 50 ] || sys_fail "exercise $exercise shows an outcome before any check ($before pixels)"

    for _ in $(seq "$counts"); do
        sys_keys "$window" Return # "Conta" holds the focus
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
    local seconds=$1 start status
    start=$(sys_wait_start_window)
    sys_keys "$start" 1 Return
    sys_keys "$start" 1 Return
    sys_shot "leaving"
    sys_keys "$start" 3 Return # row 3: "Esci"
    local deadline=$((SECONDS + seconds))
    while sys_program_alive && [ "$SECONDS" -lt "$deadline" ]; do
        sleep 0.1
    done
    sys_program_alive && sys_fail "the program did not end within $seconds s of \"Esci\""
    status=0
    wait "$SYS_PROGRAM_PID" || status=$?
    SYS_PROGRAM_PID=""
    [ "$status" -eq 0 ] || sys_fail "the program ended with status $status"
    sys_log "the program ended with status 0"
}
