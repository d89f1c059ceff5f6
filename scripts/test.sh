#!/bin/sh
# Installs what is missing, then builds and tests three presets of
# CMakePresets.json, each in build/<preset>:
#   package  the plain build, with Debian's hardening flags: every test
#            (offscreen, on a private D-Bus session; the desktop tests on
#            virtual displays and compositors of their own), then the
#            Debian package made from this very build and checked
#            (scripts/check-package.sh, label package);
#   asan     every test again with AddressSanitizer + UndefinedBehaviorSanitizer;
#   fuzz     clang, each fuzz target fuzzed for NUMBRIX_FUZZ_SECONDS
#            (default 20) from its kept corpus (fuzz/corpus/).
# The next build compiles at low priority while the tests of the one before
# wait on their displays, and a clean Debian root for the package check is
# made (once per machine, scripts/clean-root.sh) while the first builds.
# Prints how long each step took, and ends with one line counting the tests
# that passed and failed.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" || exit 1
cd "$here" || exit 1

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
jobs=$(nproc 2>/dev/null || echo 2)
started=$(date +%s)
logs=$here/build/logs
mkdir -p "$logs"

passed=0
failed=0
status=0
timings=""
step_started=0
begin() { step_started=$(date +%s); echo "=== $1"; }
took() { timings="$timings$(printf '%-44s %4d s' "$1" $(($(date +%s) - step_started)))
"; }

# Configures and builds PRESET (nice as NICE), output to its log.
build() {  # PRESET NICE
    nice -n "$2" sh -c "cmake --preset $1 >'$logs/$1-build.log' 2>&1 &&
        cmake --build --preset $1 >>'$logs/$1-build.log' 2>&1"
}
# Starts the build of PRESET in the background at low priority.
build_in_background() {  # PRESET
    (
        t=$(date +%s)
        if build "$1" 19; then echo "built in $(($(date +%s) - t)) s" >"$logs/$1-build.done"
        else echo "FAILED" >"$logs/$1-build.done"; fi
    ) &
}
# Waits for a background build; FALSE when it failed.
wait_for_build() {  # PRESET PID
    wait "$2"
    if grep -q FAILED "$logs/$1-build.done"; then
        tail -n 60 "$logs/$1-build.log"
        echo "=== $1 build FAILED"
        return 1
    fi
}
# Runs ctest in PRESET's build with ARGS, adding its summary to the counts.
run_tests() {  # PRESET ARGS...
    preset=$1
    shift
    log="$logs/$preset-ctest-$(echo "$*" | tr -c 'A-Za-z0-9\n' '-').log"
    dbus-run-session -- ctest --preset "$preset" -j"$jobs" "$@" 2>&1 | tee "$log" |
        grep -Ev '^ +Start +[0-9]+: |Test +#[0-9]+: .* Passed '
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$summary" ]; then
        echo "=== $preset tests did not finish"
        failed=$((failed + 1))
        status=1
        return
    fi
    total=$(echo "$summary" | sed -E 's/.* out of ([0-9]+).*/\1/')
    bad=$(echo "$summary" | sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    [ "$bad" -eq 0 ] || status=1
}

# The clean Debian root, made while the first build runs (root only).
clean_root=""
if [ "$(id -u)" -eq 0 ] && [ "${NUMBRIX_SKIP_CLEAN_ROOT:-}" != 1 ]; then
    "$here/scripts/clean-root.sh" >"$logs/clean-root.log" 2>&1 &
    clean_root=$!
fi

begin "package build"
if ! build package 0; then
    tail -n 60 "$logs/package-build.log"
    echo "=== package build FAILED"
    echo "0% tests passed, 1 tests failed out of 1 (the first build failed)"
    exit 1
fi
took "package build"

build_in_background asan
asan_build=$!

# Each build's tests in two runs: those that keep both cores busy, then
# the desktop ones (their own displays, compositors and screen reader),
# which mostly wait, side by side while the next build compiles.
desktop='xvfb|accessibility'

begin "package tests"
run_tests package -LE "package|$desktop"
took "package tests"
begin "package desktop tests"
run_tests package -L "$desktop" -j4
took "package desktop tests (asan build behind)"
[ -n "$clean_root" ] && wait "$clean_root"
begin "the Debian package"
run_tests package -L package
took "package check, manual page (asan build behind)"

begin "asan build (the rest)"
asan_built=""
wait_for_build asan "$asan_build" && asan_built=yes
took "asan build, what was left"
build_in_background fuzz
fuzz_build=$!
if [ -n "$asan_built" ]; then
    begin "asan tests"
    run_tests asan -LE "$desktop"
    took "asan tests (fuzz build behind)"
    begin "asan desktop tests"
    run_tests asan -L "$desktop" -j4
    took "asan desktop tests (fuzz build behind)"
else
    failed=$((failed + 1))
    status=1
fi

begin "fuzz build (the rest)"
if wait_for_build fuzz "$fuzz_build"; then
    took "fuzz build, what was left"
    begin "fuzzing"
    cmake -B build/fuzz -DNUMBRIX_FUZZ_SECONDS="${NUMBRIX_FUZZ_SECONDS:-20}" >/dev/null
    run_tests fuzz
    took "fuzzing, two targets at a time"
else
    failed=$((failed + 1))
    status=1
fi

echo "=== times"
printf '%s' "$timings"
printf '%-44s %4d s\n' "all" $(($(date +%s) - started))
total=$((passed + failed))
if [ "$total" -gt 0 ]; then
    percent=$((passed * 100 / total))
else
    percent=0
    status=1
fi
echo "$percent% tests passed, $failed tests failed out of $total (package, sanitizer and fuzz builds together, the package check included)"
exit $status
