#!/usr/bin/env bash
# Runs screenreader_test.py against the program in a world of its own: a
# private X server (Xvfb), a private D-Bus session (dbus-run-session) and the
# accessibility bus launched inside it. Every process it starts, it ends.
#
# Usage: screenreader_test.sh PROGRAM
# Exit status: 0 passed, 1 failed, 77 this machine cannot run it (skipped).
set -u

skipped=77
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3

skip() {
    echo "SKIP: $*"
    exit $skipped
}

# Inside the D-Bus session: launch the accessibility bus, then the test
# (which waits for the bus and starts the program).
if [ "${1:-}" = "--inside" ]; then
    "$launcher" --launch-immediately &
    "$python" "$here/screenreader_test.py" "$2"
    exit $?
fi

[ $# -eq 1 ] && [ -x "$1" ] || { echo "usage: $0 PROGRAM" >&2; exit 2; }
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
for tool in Xvfb dbus-run-session setsid "$launcher" "$python"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup.sh installs it)"
done
"$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed (scripts/setup.sh installs it)"

work=$(mktemp -d)
xvfb=
session=

stop_group() {  # the process group led by $1, politely first
    local group=$1
    kill -TERM -- "-$group" 2>/dev/null || return 0
    for _ in $(seq 30); do
        kill -0 -- "-$group" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL -- "-$group" 2>/dev/null
}

cleanup() {
    # The session runs in a process group of its own: the accessibility bus,
    # its registry (which leaves its parent) and the program all belong to it.
    [ -n "$session" ] && stop_group "$session"
    if [ -n "$xvfb" ]; then
        kill -TERM "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A display of its own. Low numbers are where other X servers and scripts
# look, so try free numbers far above them; Xvfb reports on fd 3 when ready.
# No reset when the last client leaves: the accessibility bus launcher
# connects and leaves just as the program connects, and a server in the middle
# of a reset turns the program away.
start_xvfb() {
    local display=$1
    [ -e "/tmp/.X$display-lock" ] && return 1
    : >"$work/display"
    Xvfb ":$display" -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && return 0
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    kill -TERM "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    xvfb=
    return 1
}
display=
for _ in $(seq 5); do
    candidate=$((200 + RANDOM % 3000))
    if start_xvfb "$candidate"; then
        display=$candidate
        break
    fi
done
[ -n "$display" ] || { cat "$work/xvfb.log"; skip "Xvfb did not start"; }

# Home and runtime folders of its own, so that no setting or bus of the user
# (or of another run) is found.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export DISPLAY=":$display" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

setsid --wait dbus-run-session -- bash "$here/screenreader_test.sh" --inside "$program" &
session=$!
wait "$session"
status=$?
if [ $status -ne 0 ] && ! kill -0 "$xvfb" 2>/dev/null; then
    echo "Xvfb on $DISPLAY ended during the test:"
    cat "$work/xvfb.log"
fi
stop_group "$session"
session=
exit $status
