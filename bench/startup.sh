#!/bin/sh
# Start-up benchmark: time from exec to the first window mapped on a virtual
# X display (Xvfb), the CPU time spent by then, and resident and anonymous
# memory one second after the map, for three programs measured in the same
# run:
#   numbrix  the calculator (BUILD_DIR/numbrix-calc)
#   bare     a bare Qt Widgets window of the calculator window's size, one
#            QLabel (BUILD_DIR/bare-window, bench/bare_window.cpp): Qt's floor
#   gtk      galculator, the lightest GTK calculator Debian has (installed
#            here with apt-get when it is missing)
# One warm-up run of each, then RUNS rounds; each round runs the three in
# turn, so a busy machine weighs on all three alike. Prints every run, the
# medians, and how numbrix stands to the others against its targets:
#   map time    <= 1.25 x bare        CPU before the map  <= 1.3 x bare
#   anonymous   <= bare + 1024 kB     VmRSS               <= 1.05 x gtk
#
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]   (RUNS: 30 by default)
#        STARTUP_BUS=none bench/startup.sh ...   (no session bus at all)
# Build: cmake --preset bench && cmake --build --preset bench
#        (then BUILD_DIR is build/bench)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-30}
for tool in map-watch bare-window numbrix-calc; do
    [ -x "$build/$tool" ] || {
        echo "$build/$tool is missing: cmake --preset bench && cmake --build --preset bench" >&2
        exit 1
    }
done

if ! command -v galculator >/dev/null 2>&1; then
    if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
    echo "installing galculator (the GTK calculator measured beside ours)"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends galculator >/dev/null
fi

work=$(mktemp -d)
xvfb=""
bus=""
cleanup() {
    set +e
    [ -n "$bus" ] && kill "$bus" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Xvfb picks a free display itself and writes its number to the pipe. It
# keeps its state when the last client leaves (start_xvfb's -noreset), as a
# desktop's X server does: GTK keeps the visuals it chose in a root window
# property and would otherwise load the GL stack again at every start.
. "$here/scripts/xvfb.sh"
start_xvfb "$work" || { echo "Xvfb did not start" >&2; exit 1; }

# The same environment for all three: a session bus of their own, as on a
# desktop (STARTUP_BUS=none: an address where no bus listens, so that no
# program connects to one, nor autolaunches one through the X display), no
# accessibility bus (GTK would start one), fresh configuration and data
# directories, an empty current directory.
unset QT_QPA_PLATFORM
if [ "${STARTUP_BUS:-private}" = none ]; then
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
else
    dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus.address" 4>"$work/bus.pid"
    bus=$(cat "$work/bus.pid")
    DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus.address")
    export DBUS_SESSION_BUS_ADDRESS
fi
export NO_AT_BRIDGE=1
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$work/cwd" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
cd "$work/cwd"

# The calculator window's size, for the bare window.
"$build/numbrix-calc" >/dev/null 2>&1 &
calc=$!
size=""
tries=0
while [ -z "$size" ] && [ $tries -lt 100 ]; do
    sleep 0.1
    size=$(xwininfo -root -tree 2>/dev/null | sed -n 's/.*("numbrix-calc" "[^"]*")  *\([0-9]*\)x\([0-9]*\)+.*/\1 \2/p' | head -n 1)
    tries=$((tries + 1))
done
kill "$calc" 2>/dev/null || true
wait "$calc" 2>/dev/null || true
[ -n "$size" ] || { echo "the calculator window did not appear" >&2; exit 1; }
# shellcheck disable=SC2086
set -- $size
width=$1
height=$2

measure() {  # NAME PROGRAM [ARGS...]: one line "NAME map_ms=... rss_kb=..."
    name=$1
    shift
    attempt=0
    while [ $attempt -lt 3 ]; do
        if line=$("$build/map-watch" "$@" 2>>"$work/stderr"); then
            echo "$name $line"
            return 0
        fi
        attempt=$((attempt + 1))
    done
    echo "$name: map-watch failed three times" >&2
    return 1
}
round() {
    measure numbrix "$build/numbrix-calc"
    measure bare "$build/bare-window" "$width" "$height"
    measure gtk galculator
}

round >/dev/null  # warm-up: the page cache, font caches
i=0
while [ $i -lt "$runs" ]; do
    round
    i=$((i + 1))
done >"$work/results"

echo "startup: $runs rounds after one warm-up, display $DISPLAY, window ${width}x${height}," \
    "session bus: ${STARTUP_BUS:-private}, load average $(cut -d' ' -f1-3 /proc/loadavg)"
for name in numbrix bare gtk; do
    printf '  %-8s map_ms:' "$name"
    grep "^$name " "$work/results" | sed 's/.*map_ms=\([0-9.]*\).*/\1/' | sort -n | tr '\n' ' '
    echo
done
awk '
    function median(list,    a, i, j, t, n) {
        n = split(list, a, " ")
        for (i = 2; i <= n; i++) {  # insertion sort, n is small
            t = a[i]
            for (j = i - 1; j >= 1 && a[j] + 0 > t + 0; j--) a[j + 1] = a[j]
            a[j + 1] = t
        }
        return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    {
        for (f = 2; f <= NF; f++) {
            split($f, kv, "=")
            values[$1, kv[1]] = values[$1, kv[1]] " " kv[2]
        }
    }
    END {
        for (k = 1; k <= 3; k++) {
            name = (k == 1) ? "numbrix" : (k == 2) ? "bare" : "gtk"
            ms[name] = median(values[name, "map_ms"])
            cpu[name] = median(values[name, "cpu_ms"])
            rss[name] = median(values[name, "rss_kb"])
            anon[name] = median(values[name, "anon_kb"])
            printf "median %-8s map_ms=%.1f cpu_ms=%.1f rss_kb=%d anon_kb=%d\n", name, ms[name], cpu[name], rss[name], anon[name]
        }
        printf "map time   numbrix/bare=%.2f (target <= 1.25), numbrix/gtk=%.2f\n", ms["numbrix"] / ms["bare"], ms["numbrix"] / ms["gtk"]
        printf "CPU by map numbrix/bare=%.2f (target <= 1.3)\n", cpu["numbrix"] / cpu["bare"]
        printf "anonymous  numbrix-bare=%d kB (target <= 1024)\n", anon["numbrix"] - anon["bare"]
        printf "VmRSS      numbrix/gtk=%.2f (target <= 1.05), numbrix/bare=%.2f\n", rss["numbrix"] / rss["gtk"], rss["numbrix"] / rss["bare"]
    }' "$work/results"
