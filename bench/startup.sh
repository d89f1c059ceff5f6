#!/bin/sh
# Start-up benchmark: median time from exec to the calculator window mapped
# on a virtual X display (Xvfb), over RUNS runs after one warm-up, and the
# resident memory one second after the window appeared.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-10}
[ -x "$build/map-watch" ] && [ -x "$build/numbrix-calc" ] || {
    echo "build first: scripts/build.sh $build" >&2
    exit 1
}

number=120
while [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done

# No session bus and no leftovers from the caller's environment.
unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
work=$(mktemp -d)
cd "$work"

"$build/map-watch" "$build/numbrix-calc" >/dev/null  # warm-up
i=0
while [ $i -lt "$runs" ]; do
    "$build/map-watch" "$build/numbrix-calc"
    i=$((i + 1))
done >"$work/results"

echo "runs: $runs (after one warm-up), display $DISPLAY"
sort -t= -k2 -n "$work/results" | sed 's/^/  /'
awk -F'[= ]' '{ print $2 }' "$work/results" | sort -n | awk '
    { v[NR] = $1 }
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "median map_ms=%.1f\n", m }'
awk -F'[= ]' '{ print $4 }' "$work/results" | sort -n | awk '
    { v[NR] = $1 }
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "median rss_kb=%d\n", m }'
rm -rf "$work"
