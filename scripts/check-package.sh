#!/bin/sh
# Makes the Debian package from BUILD_DIR (cpack -G DEB) and checks it:
# lintian finds no error or warning, hardening-check passes every item on
# its program, its exact file list, the Depends dpkg-shlibdeps computed and
# ours, the desktop entry and the AppStream metainfo through their
# validators, the bus activation file naming the installed program, and the
# program unpacked into a throwaway root starting with its window on a
# virtual display. BUILD_DIR is used as it is when it is a build with
# Debian's hardening flags (the package preset, whose tests run on the very
# program packaged); any other is configured as one first, without tests.
# As root on a machine where the package is not installed, it also installs
# the package with apt-get, starts the program from its desktop entry's Exec
# (which takes away a stale per-user activation file), has the bus start an
# automation server from the installed activation file, removes the package
# and checks that none of its files remain; otherwise it says that part is
# skipped. As root it also installs the package into a copy of a clean
# Debian 12 root (scripts/clean-root.sh makes it once and caches it;
# NUMBRIX_SKIP_CLEAN_ROOT=1 skips that).
# One PASS or FAIL line per check; exits 1 on any failure.
#
# Usage: scripts/check-package.sh BUILD_DIR
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: check-package.sh BUILD_DIR}
started=$(date +%s)

failures=0
# Each line ends with the seconds since the check began.
pass() { echo "PASS: $* [$(($(date +%s) - started)) s]"; }
fail() { echo "FAIL: $* [$(($(date +%s) - started)) s]"; failures=$((failures + 1)); }
check() {  # DESCRIPTION COMMAND...: PASS when the command succeeds
    what=$1
    shift
    if "$@" >"$work/check.log" 2>&1; then pass "$what"; else fail "$what"; sed 's/^/    /' "$work/check.log"; fi
}

work=$(mktemp -d)
xvfb=""
calc=""
installed=""
mounted=""
unmount_clean_root() {
    for m in $mounted; do umount "$m" || umount -l "$m"; done
    mounted=""
}
cleanup() {
    set +e
    [ -n "$calc" ] && kill "$calc" 2>/dev/null && wait "$calc" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    [ -n "$installed" ] && env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q numbrix-calc >/dev/null 2>&1
    # Never remove a root whose mounts are still there: the X socket
    # directory lent to it is this machine's own.
    unmount_clean_root
    if grep -q " $work/" /proc/mounts; then
        echo "check-package: $work still has mounts; left in place" >&2
        return
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# The package's build: BUILD_DIR as it is when it has Debian's flags and
# no sanitizers, else configured for the program alone.
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt" 2>/dev/null; }
if [ "$(cached NUMBRIX_DEBIAN_BUILDFLAGS)" = ON ] && [ "$(cached NUMBRIX_SANITIZE)" != ON ] &&
    [ "$(cached CMAKE_BUILD_TYPE)" = RelWithDebInfo ]; then
    echo "=== the package from the build in $build"
    configure=true
else
    echo "=== building the package in $build"
    configure="cmake -S $here -B $build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMBRIX_TESTS=OFF
        -DNUMBRIX_BENCHMARKS=OFF -DNUMBRIX_TOOLS=OFF -DNUMBRIX_SANITIZE=OFF -DNUMBRIX_DEBIAN_BUILDFLAGS=ON"
fi
# shellcheck disable=SC2086
if ! $configure >"$work/build.log" 2>&1 ||
    ! cmake --build "$build" --target numbrix-calc --parallel "${NUMBRIX_JOBS:-$(nproc)}" >>"$work/build.log" 2>&1; then
    cat "$work/build.log"
    echo "FAIL: the package's build"
    exit 1
fi
rm -f "$build"/numbrix-calc_*.deb
if ! (cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack -G DEB"
    exit 1
fi
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
arch=$(dpkg --print-architecture)
deb="$build/numbrix-calc_${version}_${arch}.deb"
if [ -f "$deb" ]; then pass "cpack built $(basename "$deb")"; else fail "no $deb; cpack made: $(ls "$build"/*.deb 2>&1)"; exit 1; fi

# Debian's own checks: lintian (its default profile) with no error or
# warning, and every hardening feature in the program.
lintian --allow-root "$deb" >"$work/lintian.log" 2>&1
lintian_status=$?
sed 's/^/    lintian: /' "$work/lintian.log"
if [ $lintian_status -eq 0 ] && ! grep -q '^[EW]: ' "$work/lintian.log"; then
    pass "lintian: no error or warning"
else
    fail "lintian: errors or warnings (exit $lintian_status)"
fi
# Control flow integrity (the x86 IBT and SHSTK marking) is only there
# when every object linked carries it, the C library's start files too:
# where they do not (Debian 12's glibc), no program can have it, however
# built (-fcf-protection is on), so that one item is not asked for there.
hardening="$work/hardening"
dpkg-deb -x "$deb" "$hardening"
cfi_option=""
start_file=$(gcc -print-file-name=Scrt1.o)
if ! readelf -n "$start_file" 2>/dev/null | grep -q 'x86 feature: IBT, SHSTK'; then
    cfi_option=--nocfprotection
    echo "NOTE: $start_file has no IBT/SHSTK marking: hardening-check $cfi_option"
fi
if hardening-check $cfi_option "$hardening/usr/bin/numbrix-calc" >"$work/hardening.log" 2>&1; then
    sed 's/^/    /' "$work/hardening.log"
    pass "hardening-check: every item"
else
    sed 's/^/    /' "$work/hardening.log"
    fail "hardening-check"
fi

# Its files, exactly: the manual page is there when packaging/ has it.
expected="./usr/bin/numbrix-calc
./usr/share/applications/numbrix-calc.desktop
./usr/share/dbus-1/services/numbrix.calculator.service
./usr/share/doc/numbrix-calc/changelog.gz
./usr/share/doc/numbrix-calc/copyright
./usr/share/numbrix-calc/numbrix-calc.html
./usr/share/metainfo/example.numbrix.calculator.metainfo.xml"
if [ -f "$here/packaging/numbrix-calc.1" ]; then
    expected="$expected
./usr/share/man/man1/numbrix-calc.1.gz"
fi
for size in 16 22 24 32 48 64 128 256; do
    expected="$expected
./usr/share/icons/hicolor/${size}x${size}/apps/numbrix-calc.png"
done
expected="$expected
./usr/share/icons/hicolor/scalable/apps/numbrix-calc.svg"
echo "$expected" | sort >"$work/expected"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/contents"
if cmp -s "$work/expected" "$work/contents"; then
    pass "dpkg-deb -c lists exactly the $(wc -l <"$work/expected") expected files"
else
    fail "dpkg-deb -c differs from the expected files (- expected, + in the package):"
    diff "$work/expected" "$work/contents" | grep '^[<>]' | sed 's/^</    -/; s/^>/    +/'
fi

# Depends, as dpkg-shlibdeps computed it.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6dbus6 libqt6gui6 libqt6core6 libc6; do
    if echo "$depends" | tr ',' '\n' | grep -Eq "^ *$library( |\$)"; then
        pass "Depends names $library"
    else
        fail "Depends does not name $library"
    fi
done
if echo "$depends" | grep -q -- '-dev'; then fail "Depends names a -dev package"; else pass "Depends names no -dev package"; fi
# F1's guide and the makers' page open through xdg-open; the Wayland
# platform plugin is recommended.
if echo "$depends" | tr ',' '\n' | grep -Eq '^ *xdg-utils( |$)'; then pass "Depends names xdg-utils"; else fail "Depends does not name xdg-utils"; fi
recommends=$(dpkg-deb -f "$deb" Recommends)
if [ "$recommends" = qt6-wayland ]; then pass "Recommends: $recommends"; else fail "Recommends: '$recommends', not qt6-wayland"; fi

# Unpacked into a throwaway root: the entries through their validators.
root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/numbrix-calc.desktop"
check "desktop-file-validate" desktop-file-validate "$desktop"
# Pedantic, with no pedantic, warning or error line: the one info left
# (cid-maybe-not-rdns) goes only with a real domain for the id.
metainfo_clean() {
    _said=$(appstreamcli validate --pedantic --no-net "$1") || { echo "$_said"; return 1; }
    echo "$_said"
    ! echo "$_said" | grep -Eq '^[PWE]: '
}
check "appstreamcli validate --pedantic --no-net (offline)" \
    metainfo_clean "$root/usr/share/metainfo/example.numbrix.calculator.metainfo.xml"
entry() { sed -n "s/^$1=//p" "$desktop"; }
if [ "$(entry Name)" = "Numbrix Calc" ] && [ "$(entry Exec)" = numbrix-calc ] &&
    [ "$(entry Icon)" = numbrix-calc ] && [ "$(entry Categories)" = "Utility;Calculator;" ]; then
    pass "desktop entry: Name, Exec without arguments, Icon, Categories"
else
    fail "desktop entry: Name '$(entry Name)' Exec '$(entry Exec)' Icon '$(entry Icon)' Categories '$(entry Categories)'"
fi
service_exec() { sed -n 's/^Exec=//p' "$1"; }
exec_line=$(service_exec "$root/usr/share/dbus-1/services/numbrix.calculator.service")
program=${exec_line% -Automation}
if [ "$exec_line" = "$program -Automation" ] && [ "$program" = /usr/bin/numbrix-calc ] && [ -x "$root$program" ]; then
    pass "activation file: Exec=$exec_line, the package's program"
else
    fail "activation file: Exec=$exec_line does not start the package's program"
fi

# From source with a prefix of its own: the same files under it, and the
# activation file names the program there.
prefix="$work/prefix"
if cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    (cd "$prefix" && find . -type f | sed 's|^\./|./usr/|' | sort) >"$work/from-source"
    exec_line=$(service_exec "$prefix/share/dbus-1/services/numbrix.calculator.service")
    if cmp -s "$work/expected" "$work/from-source" && [ "$exec_line" = "$prefix/bin/numbrix-calc -Automation" ]; then
        pass "cmake --install --prefix: the same files, Exec=$exec_line"
    else
        fail "cmake --install --prefix: files or Exec ($exec_line) differ"
        diff "$work/expected" "$work/from-source" | sed 's/^/    /'
    fi
else
    cat "$work/install.log"
    fail "cmake --install --prefix"
fi

# The programs run with the real X platform on a display of their own, no
# session bus (an address where none listens), and throwaway data,
# configuration and runtime directories: the per-user activation file a
# run writes goes there, not into the caller's home.
. "$here/scripts/xvfb.sh"
if ! start_xvfb "$work"; then
    fail "Xvfb did not start"
    exit 1
fi
isolate_program "$work"

# Starts a command line in the empty directory and waits up to 30 s for a
# viewable top-level window of the program's class; stops it then.
window_appears() {
    (cd "$work/cwd" && exec "$@") >"$work/program.log" 2>&1 &
    calc=$!
    tries=0
    shown=""
    while [ $tries -lt 300 ] && kill -0 "$calc" 2>/dev/null; do
        window=$(xwininfo -root -tree 2>/dev/null | awk 'index($0, "(\"numbrix-calc\" ") { print $1; exit }')
        if [ -n "$window" ] && xwininfo -id "$window" 2>/dev/null | grep -q "Map State: IsViewable"; then
            shown=yes
            break
        fi
        tries=$((tries + 1))
        sleep 0.1
    done
    kill "$calc" 2>/dev/null
    wait "$calc" 2>/dev/null
    calc=""
    [ -n "$shown" ] || { sed 's/^/    /' "$work/program.log"; return 1; }
}

if window_appears "$root/usr/bin/numbrix-calc"; then
    pass "the unpacked program's window appears on Xvfb"
else
    fail "the unpacked program's window did not appear on Xvfb"
fi

# The real thing: apt-get install, the desktop entry's Exec, activation by
# the bus, apt-get remove.
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the real install with apt-get (needs root)"
elif dpkg-query -W -f='${Status}' numbrix-calc 2>/dev/null | grep -q "ok installed"; then
    echo "SKIP: the real install with apt-get (numbrix-calc is installed already; left alone)"
else
    if env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$work/apt.log" 2>&1; then
        installed=yes
        pass "apt-get install $(basename "$deb")"
        exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/numbrix-calc.desktop)
        # shellcheck disable=SC2086
        if window_appears $exec_line; then
            pass "started by the desktop entry's Exec ($exec_line), its window appears"
        else
            fail "started by the desktop entry's Exec ($exec_line), no window appeared"
        fi
        # A per-user activation file naming a program that is gone (a
        # build tree since removed) would send the bus there: a run of the
        # installed program on a bus takes it away.
        user_service="$XDG_DATA_HOME/dbus-1/services/numbrix.calculator.service"
        mkdir -p "$(dirname "$user_service")"
        printf '[D-BUS Service]\nName=numbrix.calculator\nExec=%s -Automation\n' "$work/gone/numbrix-calc" >"$user_service"
        # shellcheck disable=SC2016
        if (cd "$work/cwd" && QT_QPA_PLATFORM=offscreen timeout 60 dbus-run-session -- sh -c '
                /usr/bin/numbrix-calc & program=$!
                tries=0
                while [ -e "$1" ] && [ $tries -lt 300 ]; do sleep 0.1; tries=$((tries + 1)); done
                kill $program; wait $program
                [ ! -e "$1" ]' sh "$user_service") >"$work/stale.log" 2>&1; then
            pass "the installed program's run took away a stale per-user activation file"
        else
            fail "the installed program's run left the per-user activation file: $(cat "$user_service" 2>&1)"
            sed 's/^/    /' "$work/stale.log"
        fi
        # A session bus with the installed activation file and that user's
        # data directory starts the installed server on request.
        reply=$(QT_QPA_PLATFORM=offscreen timeout 60 dbus-run-session -- \
            gdbus call --session --dest numbrix.calculator --object-path /Factory \
            --method numbrix.calculator.Factory.CreateInstance 2>"$work/bus.log")
        case $reply in
            *"objectpath '/Calculator'"*) pass "the bus starts the installed server: CreateInstance gave $reply" ;;
            *) fail "the bus did not start the installed server: '$reply'"; sed 's/^/    /' "$work/bus.log" ;;
        esac
        dpkg-query -L numbrix-calc >"$work/installed-paths"
        if env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q numbrix-calc >>"$work/apt.log" 2>&1; then
            installed=""
            pass "apt-get remove numbrix-calc"
            left=""
            while read -r path; do
                [ -f "$path" ] || [ -L "$path" ] && left="$left $path"
            done <"$work/installed-paths"
            if [ -z "$left" ] && ! dpkg-query -W -f='${Status}' numbrix-calc 2>/dev/null | grep -q "ok installed"; then
                pass "after apt-get remove none of its files remain"
            else
                fail "after apt-get remove these remain:$left"
            fi
        else
            cat "$work/apt.log"
            fail "apt-get remove numbrix-calc"
        fi
    else
        cat "$work/apt.log"
        fail "apt-get install $(basename "$deb")"
    fi
fi

# A clean Debian 12: a minimal root made by debootstrap, where apt-get must
# pull every library the program needs from its Depends alone, the program
# must start (on this machine's virtual display, whose socket directory is
# lent to the root) and apt-get remove must take it all away.
clean_root_check() {
    clean="$work/clean-root"
    if ! cached_root=$("$here/scripts/clean-root.sh" 2>"$work/debootstrap.log"); then
        sed 's/^/    /' "$work/debootstrap.log"
        fail "debootstrap could not make a clean Debian 12 root"
        return
    fi
    cp -a "$cached_root" "$clean"
    pass "a copy of the clean Debian 12 root made $(cat "$clean/.made") ($(chroot "$clean" dpkg-query -W -f='.\n' | wc -l) packages)"
    cp /etc/resolv.conf "$clean/etc/resolv.conf"
    cp "$deb" "$clean/tmp/"
    mount -t proc proc "$clean/proc" && mounted="$clean/proc"
    mkdir -p "$clean/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$clean/tmp/.X11-unix" && mounted="$clean/tmp/.X11-unix $mounted"
    # What apt-get downloads (the package lists and the packages) is kept
    # for the next copy, in the cache folder; each copy still updates the
    # lists.
    for kept in var/cache/apt/archives var/lib/apt/lists; do
        store="$(dirname "$cached_root")/$(echo "$kept" | tr / -)"
        mkdir -p "$store/partial"
        mount --bind "$store" "$clean/$kept" && mounted="$clean/$kept $mounted"
    done
    # The Depends alone, without what they recommend (which could bring a
    # library the Depends forgot); a throwaway root needs no fsync after
    # each file dpkg writes.
    if chroot "$clean" sh -c "apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
            --no-install-recommends -o DPkg::Options::=--force-unsafe-io /tmp/$(basename "$deb")" \
            >"$work/clean-apt.log" 2>&1; then
        pass "the clean root's apt-get install pulled $(sed -n 's/^\([0-9]*\) newly installed.*/\1/p; s/.* \([0-9]*\) newly installed.*/\1/p' "$work/clean-apt.log" | head -n 1) packages"
        if window_appears chroot "$clean" sh -c 'cd /tmp && exec numbrix-calc'; then
            pass "in the clean root the installed program's window appears"
        else
            fail "in the clean root the installed program's window did not appear"
        fi
        if chroot "$clean" sh -c 'command -v xdg-open' >/dev/null; then
            pass "in the clean root xdg-open came with the package (F1's guide and the link open)"
        else
            fail "in the clean root there is no xdg-open"
        fi
        chroot "$clean" dpkg-query -L numbrix-calc >"$work/clean-paths"
        chroot "$clean" sh -c 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -q numbrix-calc' >>"$work/clean-apt.log" 2>&1
        left=""
        while read -r path; do
            [ -f "$clean$path" ] || [ -L "$clean$path" ] && left="$left $path"
        done <"$work/clean-paths"
        if [ -z "$left" ]; then pass "in the clean root apt-get remove left none of its files"; else fail "in the clean root these remain:$left"; fi
    else
        sed 's/^/    /' "$work/clean-apt.log" | tail -n 20
        fail "the clean root's apt-get install"
    fi
    unmount_clean_root
}

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the install into a clean Debian 12 root (needs root)"
elif [ "${NUMBRIX_SKIP_CLEAN_ROOT:-}" = 1 ]; then
    echo "SKIP: the install into a clean Debian 12 root (NUMBRIX_SKIP_CLEAN_ROOT=1)"
elif ! chroot / true 2>/dev/null || ! mkdir -p "$work/probe-a" "$work/probe-b" ||
    ! mount --bind "$work/probe-a" "$work/probe-b" 2>/dev/null; then
    echo "SKIP: the install into a clean Debian 12 root (this machine allows no chroot or bind mount)"
else
    umount "$work/probe-b"
    clean_root_check
fi

echo "check-package: $failures failed, took $(($(date +%s) - started)) s"
[ "$failures" -eq 0 ]
