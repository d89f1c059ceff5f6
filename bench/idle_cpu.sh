#!/bin/sh
# Idle CPU with the banner playing, in each state its window can be in.
# Starts the calculator on a virtual X display (Xvfb) under a window manager
# (openbox), in an empty directory (so the built-in clip plays), RUNS times
# (3 by default). Each run waits 2 seconds, then measures SECONDS seconds
# (10 by default) in each state:
#   mapped     the window shown, nothing over it
#   covered    another window (bare-window) over all of it
#   minimised  iconified through the window manager
#   unmapped   taken off the screen (xdotool windowunmap)
# and prints, per state, the calculator's CPU (the nanosecond run time of
# every thread, /proc/PID/task/*/schedstat) as % of one core (targets:
# <= 0.3 % mapped, 0.0 % minimised and unmapped) and its wake-ups a second
# (voluntary context switches of every thread). In the mapped state it also
# gives the X server's CPU and, with root, perf and tracefs, every
# rectangle the program hands to the X server (xcb_shm_put_image /
# xcb_put_image, counted with perf uprobes).
#
# Usage: bench/idle_cpu.sh [BUILD_DIR] [SECONDS] [RUNS]
# Build: cmake --preset bench && cmake --build --preset bench
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build/bench}" && pwd)
seconds=${2:-10}
runs=${3:-3}
program="$build/numbrix-calc"
for tool in numbrix-calc bare-window; do
    [ -x "$build/$tool" ] || { echo "build first: cmake --preset bench && cmake --build --preset bench" >&2; exit 1; }
done
for tool in openbox xdotool xwininfo; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb=""
wm=""
calc=""
cover=""
probes=""
tracefs=/sys/kernel/tracing
group="numbrix_idle_$$"
cleanup() {
    set +e
    [ -n "$cover" ] && kill "$cover" 2>/dev/null
    [ -n "$calc" ] && kill "$calc" 2>/dev/null
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
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
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
sleep 1

# No session bus (an address where none listens: nothing is autolaunched),
# an empty current directory, a throw-away data directory for the
# registration file.
unset QT_QPA_PLATFORM
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
export XDG_DATA_HOME="$work/data"
mkdir -p "$work/cwd"
cd "$work/cwd"

wait_window() {  # NAME PID: prints the id of its top-level window
    _tries=0
    until _id=$(xdotool search --onlyvisible --pid "$2" 2>/dev/null | head -n 1) && [ -n "$_id" ]; do
        _tries=$((_tries + 1))
        if [ $_tries -gt 100 ] || ! kill -0 "$2" 2>/dev/null; then
            echo "the $1 window did not appear" >&2
            return 1
        fi
        sleep 0.1
    done
    echo "$_id"
}

runtime_ns() {  # every thread's run time so far
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f\n", s }'
}
switches() {  # every thread's voluntary context switches so far
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { s += $2 } END { print s + 0 }'
}
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

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
add_probes() {
    [ "$(id -u)" -eq 0 ] && command -v perf >/dev/null 2>&1 && [ -w "$tracefs/uprobe_events" ] || return 1
    shm=$(library libxcb-shm.so.0)
    xcb=$(library libxcb.so.1)
    # xcb_shm_put_image(c, drawable, gc, total_w, total_h, src_x, src_y,
    # src_w, src_h, dst_x, dst_y, ...) and xcb_put_image(c, format, drawable,
    # gc, w, h, dst_x, dst_y, ...): arguments past the sixth are on the stack.
    shmOffset=$(offset "$shm" xcb_shm_put_image) && xcbOffset=$(offset "$xcb" xcb_put_image) &&
        echo "p:$group/shm $shm:$shmOffset w=+16(%sp):u16 h=+24(%sp):u16 x=+32(%sp):s16 y=+40(%sp):s16" \
            >>"$tracefs/uprobe_events" 2>/dev/null &&
        echo "p:$group/put $xcb:$xcbOffset w=%r8:u16 h=%r9:u16 x=+8(%sp):s16 y=+16(%sp):s16" \
            >>"$tracefs/uprobe_events" 2>/dev/null || return 1
    probes=yes
}

measure() {  # STATE RUN: one line of results
    r0=$(runtime_ns "$calc")
    s0=$(switches "$calc")
    x0=$(ticks "$xvfb")
    if [ "$1" = mapped ] && [ "$2" = 1 ] && [ -n "$probes" ]; then
        perf record -q -e "$group:shm" -e "$group:put" -p "$calc" -o "$work/perf.data" -- sleep "$seconds" 2>/dev/null
    else
        sleep "$seconds"
    fi
    r1=$(runtime_ns "$calc")
    s1=$(switches "$calc")
    x1=$(ticks "$xvfb")
    awk -v state="$1" -v run="$2" -v r="$((r1 - r0))" -v w="$((s1 - s0))" -v x="$((x1 - x0))" \
        -v hz="$(getconf CLK_TCK)" -v s="$seconds" 'BEGIN {
        printf "%-10s run %d: %6.3f %% of one core, %6.1f wake-ups/s (Xvfb %.2f %%)\n",
            state, run, 100 * r / 1e9 / s, w / s, 100 * x / hz / s }'
}

run=1
while [ "$run" -le "$runs" ]; do
    "$program" >"$work/program.log" 2>&1 &
    calc=$!
    window=$(wait_window calculator "$calc") || { cat "$work/program.log" >&2; exit 1; }
    [ "$run" = 1 ] && { add_probes || echo "(no perf uprobes here: the count of rectangles is skipped)"; }
    sleep 2
    measure mapped "$run"

    "$build/bare-window" 1024 768 >/dev/null 2>&1 &
    cover=$!
    coverWindow=$(wait_window cover "$cover")
    xdotool windowmove "$coverWindow" 0 0 windowraise "$coverWindow"
    sleep 1
    measure covered "$run"
    kill "$cover"
    wait "$cover" 2>/dev/null || true
    cover=""

    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool windowminimize --sync "$window"
    sleep 1
    measure minimised "$run"
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowmap --sync "$window"
    sleep 1

    xdotool windowunmap --sync "$window"
    sleep 1
    measure unmapped "$run"
    xdotool windowmap --sync "$window"
    sleep 1
    measure remapped "$run"  # the banner plays again
    kill "$calc"
    wait "$calc" 2>/dev/null || true
    calc=""
    run=$((run + 1))
done >"$work/results"

echo "idle CPU and wake-ups over ${seconds} s in each state, ${runs} runs, banner playing:"
cat "$work/results"
awk '/ run / { state = $1; cpu[state] += $4; wake[state] += $9; n[state]++ }
     END { for (s in cpu) printf "mean %-10s %6.3f %% of one core, %6.1f wake-ups/s\n", s, cpu[s] / n[s], wake[s] / n[s] }' \
    "$work/results" | sort
if [ -n "$probes" ] && [ -f "$work/perf.data" ]; then
    echo "rectangles pushed to the window while mapped, run 1 (count, width x height at x,y):"
    perf script -i "$work/perf.data" -F trace 2>/dev/null |
        sed -n 's/.*w=\([0-9]*\) h=\([0-9]*\) x=\(-*[0-9]*\) y=\(-*[0-9]*\).*/\1x\2 at \3,\4/p' |
        sort | uniq -c | sort -rn | sed 's/^/    /'
    perf script -i "$work/perf.data" -F trace 2>/dev/null | wc -l |
        awk -v s="$seconds" '{ printf "  %d pushes in %d s = %.1f a second\n", $1, s, $1 / s }'
fi
