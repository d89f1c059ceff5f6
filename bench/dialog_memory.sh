#!/bin/sh
# Runs build/bench/dialog-memory (bench/dialog_memory.cpp) on a virtual X
# display of its own, with no session bus and an empty current directory:
# every utility dialog and the About box opened and closed ROUNDS times
# (200 by default) through the real window, and the memory left behind.
#
# Usage: bench/dialog_memory.sh [BUILD_DIR] [ROUNDS]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build/bench}" && pwd)
rounds=${2:-200}
[ -x "$build/dialog-memory" ] || { echo "build first: cmake --preset bench && cmake --build --preset bench" >&2; exit 1; }

work=$(mktemp -d)
xvfb=""
cleanup() {
    set +e
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

. "$here/scripts/xvfb.sh"
start_xvfb "$work" || { echo "Xvfb did not start" >&2; exit 1; }
unset QT_QPA_PLATFORM
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
export XDG_DATA_HOME="$work/data"
mkdir -p "$work/cwd"
cd "$work/cwd"
"$build/dialog-memory" "$rounds" 2>/dev/null
