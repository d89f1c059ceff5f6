#!/bin/sh
# The calculator on a Wayland compositor with no X server, through AT-SPI:
# starts a headless weston of its own (its socket in a private runtime
# directory), a private session bus, and the program with no DISPLAY and
# its accessibility bridge always on, then atspi_wayland.py against it. The
# program talks to the compositor with the Wayland library's request log on
# (WAYLAND_DEBUG), so the walk can tell that its windows were made there and
# not drawn off the screen.
#
# Usage: atspi-wayland.sh PROGRAM [SCRIPT nested]
# With "nested", weston runs in a window of a virtual X display of its own
# (its X11 backend) instead of headless: the X server's keyboard is then the
# compositor's, so SCRIPT can type real keys (xdotool, at the X display in
# NUMBRIX_X_DISPLAY); the program still gets no DISPLAY.
# Exits 0 when every check passes, 1 when one fails, 77 (skipped) when
# weston, Qt's Wayland platform, dbus-run-session or python3-pyatspi (and
# for "nested" Xvfb or xdotool) is missing.
set -u
program=${1:?usage: atspi-wayland.sh PROGRAM [SCRIPT nested]}
script=${2:-$(dirname "$0")/atspi_wayland.py}
case $script in /*) ;; *) script=$(pwd)/$script ;; esac
nested=${3:-}
case $program in /*) ;; *) program=$(pwd)/$program ;; esac
here=$(cd "$(dirname "$0")" && pwd)
started=$(date +%s.%N)

. "$here/../session.sh"
need weston dbus-run-session /usr/bin/python3
[ -n "$nested" ] && need Xvfb xdpyinfo xdotool
need_pyatspi
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    echo "SKIP: Qt's Wayland platform is not installed (qt6-wayland; scripts/install-deps.sh installs it)"
    exit 77
fi

work=$(mktemp -d)
compositor=""
xvfb=""
cleanup() {
    [ -n "$compositor" ] && kill "$compositor" 2>/dev/null
    [ -n "$compositor" ] && wait "$compositor" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "$xvfb" ] && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Throw-away data, configuration and runtime directories (the compositor's,
# Qt's and the accessibility bus's sockets, the registration file), an
# empty current directory. The runtime directory must be the user's alone.
private_dirs "$work"
unset DISPLAY QT_QPA_PLATFORM WAYLAND_SOCKET
export WAYLAND_DISPLAY=wayland-numbrix

if [ -n "$nested" ]; then
    start_xvfb "$work" 2>&1 || { echo "FAIL: Xvfb did not start"; exit 1; }
    export NUMBRIX_X_DISPLAY="$DISPLAY"
    weston --backend=x11-backend.so --width=1000 --height=700 --socket="$WAYLAND_DISPLAY" --idle-time=0 \
        --no-config --log="$work/weston.log" >/dev/null 2>&1 &
    compositor=$!
    unset DISPLAY
else
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 --no-config \
        --log="$work/weston.log" >/dev/null 2>&1 &
    compositor=$!
fi
tries=0
until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$compositor" 2>/dev/null; then
        echo "FAIL: weston did not start"
        cat "$work/weston.log"
        exit 1
    fi
    sleep 0.1
done

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NUMBRIX_PROGRAM="$program" NUMBRIX_WORK="$work"
export NUMBRIX_PROGRAM_LOG="$work/program.log"

# Inside the private bus: the program in the background, the walk, and the
# program ended (by its process id) whatever the walk found.
dbus-run-session -- sh -c '
    (cd "$NUMBRIX_WORK/cwd" && WAYLAND_DEBUG=client exec "$NUMBRIX_PROGRAM") >"$NUMBRIX_PROGRAM_LOG" 2>&1 &
    calc=$!
    timeout 90 /usr/bin/python3 "$0"
    status=$?
    kill "$calc" 2>/dev/null
    wait "$calc" 2>/dev/null
    exit $status
' "$script" 2>"$work/bus.log"
status=$?
awk -v s="$started" -v e="$(date +%s.%N)" 'BEGIN { printf "took %.1f s\n", e - s }'
if [ $status -ne 0 ]; then
    echo "--- the program's output (without the Wayland request log):"
    grep -v '^\[ *[0-9.]*\] ' "$work/program.log"
    echo "--- the bus's:"
    cat "$work/bus.log"
    echo "--- the compositor's:"
    cat "$work/weston.log"
    echo "FAIL: the walk found faults (above)"
    exit 1
fi
exit 0
