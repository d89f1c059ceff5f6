#!/bin/sh
# Idle CPU with the banner playing: starts the calculator on a virtual X
# display (Xvfb) in an empty directory (so the built-in clip plays), waits
# 2 seconds, then measures over SECONDS seconds
#   - the calculator's CPU time (utime + stime of /proc/PID/stat, and the
#     nanosecond run time of /proc/PID/schedstat), as % of one core
#     (target < 1 %);
#   - the X server's CPU time over the same interval (what drawing the
#     frames costs on the other side);
#   - where it pushes pixels to the window: every rectangle the program hands
#     to the X server (xcb_shm_put_image / xcb_put_image, counted with perf
#     uprobes), which shows whether only the banner repaints and how often.
#     This part needs root, perf and tracefs; without them it is skipped.
#
# Usage: bench/idle_cpu.sh [BUILD_DIR] [SECONDS]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
seconds=${2:-10}
program="$build/numbrix-calc"
[ -x "$program" ] || { echo "build first: scripts/build.sh $build" >&2; exit 1; }

work=$(mktemp -d)
xvfb=""
calc=""
probes=""
tracefs=/sys/kernel/tracing
group="numbrix_idle_$$"
cleanup() {
    set +e
    [ -n "$calc" ] && kill "$calc" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    if [ -n "$probes" ]; then
        for event in shm put; do
            echo "-:$group/$event" >>"$tracefs/uprobe_events" 2>/dev/null || true
        done
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

. "$here/scripts/xvfb.sh"
start_xvfb "$work" || { echo "Xvfb did not start" >&2; exit 1; }

# No session bus (an address where none listens: nothing is autolaunched),
# an empty current directory, a throw-away data directory for the
# registration file.
unset QT_QPA_PLATFORM
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
export XDG_DATA_HOME="$work/data"
mkdir -p "$work/cwd"
cd "$work/cwd"
"$program" >"$work/program.log" 2>&1 &
calc=$!

tries=0
until xwininfo -root -tree 2>/dev/null | grep -q '("numbrix-calc" '; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$calc" 2>/dev/null; then
        echo "the calculator window did not appear; its output:" >&2
        cat "$work/program.log" >&2
        exit 1
    fi
    sleep 0.1
done
geometry=$(xwininfo -root -tree | sed -n 's/.*("numbrix-calc" "[^"]*")  *\([0-9]*x[0-9]*\)+.*/\1/p' | head -n 1)
sleep 2

# The uprobes on the X client libraries the running program mapped.
library() { awk -v n="/$1" 'index($6, n) { print $6; exit }' "/proc/$calc/maps"; }
offset() {  # FILE SYMBOL: the symbol's offset in the file, for a uprobe
    address=$(nm -D --defined-only "$1" | awk -v s="$2" '$3 == s { print $1; exit }')
    [ -n "$address" ] || return 1
    address=$((0x$address))
    readelf -lW "$1" | awk '$1 == "LOAD" { print $2, $3, $5 }' | {
        while read -r o v size; do
            if [ "$address" -ge "$((v))" ] && [ "$address" -lt "$((v + size))" ]; then
                printf '0x%x\n' "$((address - v + o))"
                exit 0
            fi
        done
        exit 1
    }
}
record=""
if [ "$(id -u)" -eq 0 ] && command -v perf >/dev/null 2>&1 && [ -w "$tracefs/uprobe_events" ]; then
    shm=$(library libxcb-shm.so.0)
    xcb=$(library libxcb.so.1)
    # xcb_shm_put_image(c, drawable, gc, total_w, total_h, src_x, src_y,
    # src_w, src_h, dst_x, dst_y, ...) and xcb_put_image(c, format, drawable,
    # gc, w, h, dst_x, dst_y, ...): arguments past the sixth are on the stack.
    if shmOffset=$(offset "$shm" xcb_shm_put_image) && xcbOffset=$(offset "$xcb" xcb_put_image) &&
        echo "p:$group/shm $shm:$shmOffset w=+16(%sp):u16 h=+24(%sp):u16 x=+32(%sp):s16 y=+40(%sp):s16" \
            >>"$tracefs/uprobe_events" 2>/dev/null &&
        echo "p:$group/put $xcb:$xcbOffset w=%r8:u16 h=%r9:u16 x=+8(%sp):s16 y=+16(%sp):s16" \
            >>"$tracefs/uprobe_events" 2>/dev/null; then
        probes=yes
        record=yes
    fi
fi
if [ -z "$record" ]; then
    echo "(no perf uprobes here: the count of rectangles is skipped)"
fi

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
runtime() { awk '{ print $1 }' "/proc/$1/schedstat"; }
hz=$(getconf CLK_TCK)
t0=$(ticks "$calc")
r0=$(runtime "$calc")
x0=$(ticks "$xvfb")
if [ -n "$record" ]; then
    perf record -q -e "$group:shm" -e "$group:put" -p "$calc" -o "$work/perf.data" -- sleep "$seconds" 2>/dev/null
else
    sleep "$seconds"
fi
t1=$(ticks "$calc")
r1=$(runtime "$calc")
x1=$(ticks "$xvfb")

echo "idle CPU over ${seconds} s, 2 s after the window (${geometry}) appeared, banner playing:"
awk -v t="$((t1 - t0))" -v hz="$hz" -v s="$seconds" 'BEGIN {
    printf "  numbrix-calc: %d ticks = %.2f %% of one core (utime+stime, /proc/PID/stat; target < 1 %%)\n",
        t, 100 * t / hz / s }'
awk -v r0="$r0" -v r1="$r1" -v s="$seconds" 'BEGIN {
    printf "  numbrix-calc: %.1f ms run time = %.2f %% of one core (/proc/PID/schedstat)\n",
        (r1 - r0) / 1e6, 100 * (r1 - r0) / 1e9 / s }'
awk -v t="$((x1 - x0))" -v hz="$hz" -v s="$seconds" 'BEGIN {
    printf "  Xvfb:         %d ticks = %.2f %% of one core\n", t, 100 * t / hz / s }'
if [ -n "$record" ]; then
    echo "  rectangles pushed to the window (count, width x height at x,y):"
    perf script -i "$work/perf.data" -F trace 2>/dev/null |
        sed -n 's/.*w=\([0-9]*\) h=\([0-9]*\) x=\(-*[0-9]*\) y=\(-*[0-9]*\).*/\1x\2 at \3,\4/p' |
        sort | uniq -c | sort -rn | sed 's/^/    /'
    perf script -i "$work/perf.data" -F trace 2>/dev/null | wc -l |
        awk -v s="$seconds" '{ printf "  %d pushes in %d s = %.1f a second\n", $1, s, $1 / s }'
fi
