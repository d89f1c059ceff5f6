#!/bin/sh
# Installs what is missing, builds the calculator and starts it.
#
# On a desktop (DISPLAY or WAYLAND_DISPLAY reachable) the calculator simply
# opens. On a machine without a display it starts a virtual X display
# (Xvfb) and a session bus, starts the calculator there, saves a screenshot
# of its window, says where it is, and leaves the calculator running for
# automation clients. scripts/stop.sh ends what it started.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
build=${NUMBRIX_BUILD:-$here/build/run}
"$here/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMBRIX_TESTS=OFF -DNUMBRIX_TOOLS=ON
program="$build/numbrix-calc"

if [ -n "${WAYLAND_DISPLAY:-}" ] || { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }; then
    exec "$program" "$@"
fi

state="$build/virtual-display"
mkdir -p "$state"
"$here/scripts/stop.sh" >/dev/null 2>&1 || true

# A free display number: no lock file and no socket.
number=99
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
    number=$((number + 1))
done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
echo $! >"$state/xvfb.pid"
tries=0
until xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ]; then
        echo "The virtual display did not start; see $state/xvfb.log" >&2
        exit 1
    fi
    sleep 0.1
done

# A session bus for automation clients, unless there is one already.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$state/bus.address" 4>"$state/bus.pid"
    DBUS_SESSION_BUS_ADDRESS=$(cat "$state/bus.address")
    export DBUS_SESSION_BUS_ADDRESS
fi

setsid "$program" "$@" >"$state/calculator.log" 2>&1 </dev/null &
echo $! >"$state/calculator.pid"

title="Tarrow Calculator - v2.5"
tries=0
until geometry=$(xwininfo -name "$title" 2>/dev/null) && echo "$geometry" | grep -q "IsViewable"; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$(cat "$state/calculator.pid")" 2>/dev/null; then
        echo "The calculator did not open its window; see $state/calculator.log" >&2
        exit 1
    fi
    sleep 0.1
done
sleep 0.3  # let it paint
field() { echo "$geometry" | sed -n "s/^ *$1: *\([0-9-]*\).*/\1/p"; }
shot="$state/calculator.png"
"$build/x11-screenshot" "$shot" "$(field 'Absolute upper-left X')" "$(field 'Absolute upper-left Y')" \
    "$(field Width)" "$(field Height)"

cat <<INFO
The calculator is running on the virtual X display $DISPLAY (no display was
available here). A screenshot of its window: $shot
To use it:
    export DISPLAY=$DISPLAY
    export DBUS_SESSION_BUS_ADDRESS='$DBUS_SESSION_BUS_ADDRESS'
To stop it and the virtual display: $here/scripts/stop.sh
INFO
