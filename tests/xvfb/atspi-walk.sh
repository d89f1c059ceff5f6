#!/bin/sh
# The calculator through AT-SPI, as assistive technology reaches it: starts
# a virtual display (Xvfb) and a private session bus of its own, the
# program on Qt's X platform with its accessibility bridge always on (Qt's
# offscreen platform has none), and atspi_walk.py against it. The
# accessibility bus itself is started by D-Bus activation inside the private
# session bus, and needs DISPLAY and a runtime directory set before it.
#
# Usage: atspi-walk.sh PROGRAM [SCRIPT [TOOL...]]
# SCRIPT is the walk to run (atspi_walk.py beside this file by default);
# each TOOL (openbox, orca, xdotool, setxkbmap) must be installed for it, and
# openbox is started as the window manager.
# Exits 0 when every check passes, 1 when one fails, 77 (skipped) when Xvfb,
# dbus-run-session, Debian's python3-pyatspi or a TOOL is missing.
set -u
program=${1:?usage: atspi-walk.sh PROGRAM [SCRIPT [TOOL...]]}
script=${2:-$(dirname "$0")/atspi_walk.py}
shift
[ $# -gt 0 ] && shift
case $script in /*) ;; *) script=$(pwd)/$script ;; esac
case $program in /*) ;; *) program=$(pwd)/$program ;; esac
here=$(cd "$(dirname "$0")" && pwd)
started=$(date +%s.%N)

. "$here/../session.sh"
need Xvfb xdpyinfo dbus-run-session /usr/bin/python3 "$@"
need_pyatspi

work=$(mktemp -d)
xvfb=""
wm=""
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "$xvfb" ] && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

start_xvfb "$work" 2>&1 || { echo "FAIL: Xvfb did not start"; exit 1; }
for tool in "$@"; do
    if [ "$tool" = openbox ]; then
        openbox --sm-disable >"$work/openbox.log" 2>&1 &
        wm=$!
    fi
done

private_dirs "$work"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NUMBRIX_PROGRAM="$program" NUMBRIX_WORK="$work"
export HOME="$work"  # what a screen reader keeps of its own goes here

# Inside the private bus: the program in the background, the walk, and the
# program ended (by its process id) whatever the walk found.
dbus-run-session -- sh -c '
    (cd "$NUMBRIX_WORK/cwd" && exec "$NUMBRIX_PROGRAM") >"$NUMBRIX_WORK/program.log" 2>&1 &
    calc=$!
    timeout 150 /usr/bin/python3 "$0"
    status=$?
    kill "$calc" 2>/dev/null
    wait "$calc" 2>/dev/null
    exit $status
' "$script" 2>"$work/bus.log"
status=$?
awk -v s="$started" -v e="$(date +%s.%N)" 'BEGIN { printf "took %.1f s\n", e - s }'
if [ $status -ne 0 ]; then
    echo "--- the program's output:"
    cat "$work/program.log"
    echo "--- the bus's:"
    cat "$work/bus.log"
    echo "FAIL: the walk found faults (above)"
    exit 1
fi
exit 0
