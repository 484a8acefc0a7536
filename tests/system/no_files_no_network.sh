#!/bin/bash
# The real program, traced through both exercises and out again with its voice off, must write no
# files and use no network: its only sockets are its connections to the X display and to the
# session bus, through which screen readers reach it.
# Usage: no_files_no_network.sh PROGRAM ARTEFACTS_DIR
set -euo pipefail

# shellcheck source=SCRIPTDIR/common.sh
. "$(dirname "$0")/common.sh"
sys_init "$@"

# Calls that change the file system, whatever their outcome: an attempt is already a fault.
readonly writing_calls="creat|mkdir|mkdirat|rmdir|rename|renameat|renameat2|unlink|unlinkat|link|linkat|\
symlink|symlinkat|truncate|ftruncate|fallocate|mknod|mknodat|chmod|fchmod|fchmodat|chown|fchown|lchown|\
fchownat|utime|utimes|futimesat|utimensat|setxattr|lsetxattr|fsetxattr|removexattr|lremovexattr|\
fremovexattr|mount|umount2|name_to_handle_at"
# Opens are writes when they may modify or create the file.
readonly opening_calls="open|openat|openat2"
readonly writing_flags="O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_TMPFILE|O_APPEND"
# Network calls that make or take a connection; sends and receives on a made one are not listed.
readonly network_calls="socket|socketpair|connect|bind|listen|accept|accept4"

sys_start_x
bus_socket=$XDG_RUNTIME_DIR/bus
trace_dir=$SYS_ARTEFACTS/trace
mkdir -p "$trace_dir"
rm -f "$trace_dir"/trace.*
# One file per thread (-ff), so no call is split across lines by another thread.
# With the voice off: the voice's only traffic is its connection to the desktop's speech service,
# which, started on demand, is a program of its own with its own socket, pid file and log.
sys_start_program strace -ff -s 512 -o "$trace_dir/trace" \
    -e trace=%file,%network,fchmod,fchown,ftruncate,fallocate,fsetxattr,fremovexattr "$program" --senza-voce
sys_wait_window "$SYS_TITLE_START" 30 >/dev/null
sleep 1.5 # the opening curtain
sys_shot "start"
sys_play_exercise 1 2
sys_play_exercise 2 3
sys_leave 8

# What the toolkit does on its own, allowed by exact call and path:
allowed=(
    # While the platform plugin loads, Qt's standard paths make sure the runtime directory exists
    # (the call fails: the directory is there).
    "mkdir $XDG_RUNTIME_DIR"
)

# Prints "call path" for every call that writes to the file system or uses the network, and the
# line itself, one per line, tab-separated; the connections to the X display and the bus are left out.
offending()
{
    awk -v writing="^($writing_calls)\\\\(" -v opening="^($opening_calls)\\\\(" \
        -v flags="$writing_flags" -v network="^($network_calls)\\\\(" -v xsocket="$SYS_X_SOCKET" -v bus="$bus_socket" '
        function first_path(line,    start, rest) {
            start = index(line, "\"")
            if (start == 0) return "-"
            rest = substr(line, start + 1)
            return substr(rest, 1, index(rest, "\"") - 1)
        }
        {
            call = $0
            sub(/\(.*/, "", call)
            what = ""
            if ($0 ~ writing) what = call
            else if ($0 ~ opening) {
                # Only the flags argument, not a path that happens to spell a flag.
                args = $0
                sub(/^[^"]*"([^"\\]|\\.)*"/, "", args)
                if (args ~ flags) what = call
            } else if ($0 ~ network) {
                if (call == "socket" && $0 ~ /^socket\(AF_UNIX,/) next
                if (call == "connect" && (index($0, "sun_path=\"" xsocket "\"") ||
                                          index($0, "sun_path=@\"" xsocket "\"") ||
                                          index($0, "sun_path=\"" bus "\""))) next
                what = call
            }
            if (what != "") printf "%s %s\t%s: %s\n", what, first_path($0), FILENAME, $0
        }' "$trace_dir"/trace.*
}

# A trace with no X connection in it traced nothing of use.
grep -qE "connect\\(.*sun_path=@?\"$SYS_X_SOCKET\"" "$trace_dir"/trace.* ||
    sys_fail "the trace shows no connection to the X display $SYS_X_SOCKET: was the program traced?"
# Sockets made must all be the X and bus connections; another AF_UNIX socket would go elsewhere.
sockets=$(cat "$trace_dir"/trace.* | grep -cE '^socket\(AF_UNIX,.*= [0-9]+$' || true)
x_connections=$(cat "$trace_dir"/trace.* |
    grep -cE "^connect\\(.*sun_path=(@?\"$SYS_X_SOCKET\"|\"$bus_socket\").*= 0$" || true)

faults=$(offending | while IFS=$'\t' read -r key line; do
    is_allowed=0
    for entry in "${allowed[@]}"; do
        [ "$key" = "$entry" ] && is_allowed=1 && break
    done
    [ "$is_allowed" = 1 ] || printf '%s\n' "$line"
done)
if [ "$sockets" -gt "$x_connections" ]; then
    faults+="${faults:+$'\n'}$sockets local sockets made, only $x_connections connected to the X display or the bus:"
    faults+=$'\n'$(grep -HE '^(socket\(AF_UNIX|connect\()' "$trace_dir"/trace.*)
fi

# Other programs the toolkit starts are worth knowing about, though they are not faults.
grep -h '^execve(' "$trace_dir"/trace.* | grep -vF "execve(\"$program\"" |
    sed -E 's/^execve\("[^"]*", \[("[^"]*").*/\1/' | sort -u |
    sed 's/^/note: the program tried to start /' >&2 || true

if [ -n "$faults" ]; then
    sys_log "FAIL: the program wrote to the file system or used the network:"
    printf '%s\n' "$faults" >&2
    exit 1
fi
sys_log "PASS: no writes, no network; $sockets local socket(s), all to $SYS_X_SOCKET or $bus_socket"
