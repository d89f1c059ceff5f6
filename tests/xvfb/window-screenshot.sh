#!/bin/sh
# The calculator window on a real X server: starts the program on a virtual
# display (Xvfb) of its own, in an empty directory (so the built-in banner
# plays and the template's title stays), waits for its window, takes two
# screenshots half a second apart and checks them (check_window.py: the
# window's size in dialog units, the calendar and the banner drawn, the
# banner playing, nothing else changing). The first screenshot is kept as
# ARTIFACT_DIR/window.png.
#
# Usage: window-screenshot.sh PROGRAM SCREENSHOT_TOOL ARTIFACT_DIR
# Exits 0 when the checks pass, 1 when one fails, 77 (skipped) when Xvfb,
# xwininfo, xdpyinfo or python3 is missing.
set -u
program=${1:?usage: window-screenshot.sh PROGRAM SCREENSHOT_TOOL ARTIFACT_DIR}
shooter=${2:?usage: window-screenshot.sh PROGRAM SCREENSHOT_TOOL ARTIFACT_DIR}
artifacts=${3:?usage: window-screenshot.sh PROGRAM SCREENSHOT_TOOL ARTIFACT_DIR}
here=$(cd "$(dirname "$0")" && pwd)
started=$(date +%s.%N)

for tool in Xvfb xwininfo xdpyinfo python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb=""
calc=""
cleanup() {
    [ -n "$calc" ] && kill "$calc" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "$calc" ] && wait "$calc" 2>/dev/null
    [ -n "$xvfb" ] && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
fail() {
    echo "FAIL: $*"
    if [ -s "$work/program.log" ]; then
        echo "--- the program's output:"
        cat "$work/program.log"
    fi
    exit 1
}

# A display of our own.
. "$(dirname "$0")/../../scripts/xvfb.sh"
start_xvfb "$work" 2>&1 || fail "Xvfb did not start"

# The real X platform, whatever the caller's QT_QPA_PLATFORM; no session bus
# (an address where none listens: unset, libdbus would autolaunch one through
# the X display and leave it running); throw-away data and runtime
# directories for the registration file and Qt; an empty current directory.
isolate_program "$work"
# The screenshot tool is not what is tested: its leaks at exit (a sanitizer
# build) are not this test's business.
shoot() {
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$shooter" "$@" >>"$work/shooter.log" 2>&1 ||
        { cat "$work/shooter.log"; fail "the screenshot tool failed"; }
}

(cd "$work/cwd" && exec "$program") >"$work/program.log" 2>&1 &
calc=$!

# Its window: the top-level window of its class, viewable.
class=$(basename "$program")
window=""
tries=0
while :; do
    window=$(xwininfo -root -tree 2>/dev/null | awk -v c="(\"$class\" " 'index($0, c) { print $1; exit }')
    if [ -n "$window" ] && xwininfo -id "$window" 2>/dev/null | grep -q "Map State: IsViewable"; then
        break
    fi
    kill -0 "$calc" 2>/dev/null || fail "the program ended before its window appeared"
    tries=$((tries + 1))
    [ $tries -le 300 ] || fail "no viewable window of class $class after 30 s"
    sleep 0.1
done
geometry=$(xwininfo -id "$window")
field() { echo "$geometry" | sed -n "s/^ *$1: *\([0-9-]*\).*/\1/p"; }
x=$(field 'Absolute upper-left X')
y=$(field 'Absolute upper-left Y')
width=$(field Width)
height=$(field Height)
echo "window $window: ${width}x${height} at $x,$y on $DISPLAY"

sleep 1  # let it paint
shoot "$work/first.png" "$x" "$y" "$width" "$height"
sleep 0.5
shoot "$work/second.png" "$x" "$y" "$width" "$height"
kill -0 "$calc" 2>/dev/null || fail "the program ended while it was being photographed"

mkdir -p "$artifacts"
cp "$work/first.png" "$artifacts/window.png"
echo "screenshot: $artifacts/window.png"

python3 "$here/check_window.py" "$work/first.png" "$work/second.png"
status=$?
awk -v s="$started" -v e="$(date +%s.%N)" 'BEGIN { printf "took %.1f s\n", e - s }'
[ $status -eq 0 ] || fail "the window does not look right (above)"
exit 0
