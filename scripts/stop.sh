#!/bin/sh
# Stops what run.sh started on a virtual display: the calculator, the
# session bus it started and the virtual display.
here=$(cd "$(dirname "$0")/.." && pwd)
state="${NUMBRIX_BUILD:-$here/build/run}/virtual-display"
for name in calculator bus xvfb; do
    if [ -f "$state/$name.pid" ]; then
        kill "$(cat "$state/$name.pid")" 2>/dev/null && echo "stopped $name"
        rm -f "$state/$name.pid"
    fi
done
