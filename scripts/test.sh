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
# The sanitizer and fuzz builds compile at low priority behind the package
# build's tests; the soak test and the fuzzers run at low priority behind
# the desktop tests, which mostly wait; the clean Debian root for the package check is
# made (once per machine, scripts/clean-root.sh) while the first build
# runs. Logs go to build/logs/. Prints how long each step took, and ends
# with one line counting the tests that passed and failed.
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
rm -f "$logs"/*.built "$logs/builds.done"

passed=0
failed=0
status=0
timings=""
step_started=0
begin() { step_started=$(date +%s); echo "=== $1"; }
took() { timings="$timings$(printf '%-44s %4d s' "$1" $(($(date +%s) - step_started)))
"; }

# Configures and builds PRESET at NICE, output to its log; TRUE when it
# built.
build() {  # PRESET NICE
    nice -n "$2" sh -c "cmake --preset $1 >'$logs/$1-build.log' 2>&1 &&
        cmake --build --preset $1 >>'$logs/$1-build.log' 2>&1" && return 0
    tail -n 60 "$logs/$1-build.log"
    echo "=== $1 build FAILED"
    return 1
}
# Runs ctest in PRESET's build with ARGS into LOG, inside a private session
# bus, showing what is not a passing test.
ctest_into() {  # LOG PRESET ARGS...
    log=$1
    preset=$2
    shift 2
    dbus-run-session -- ctest --preset "$preset" -j"$jobs" "$@" 2>&1 | tee "$log" |
        grep -Ev '^ +Start +[0-9]+: |Test +#[0-9]+: .* Passed |Failed to set fd limit'
}
# Adds the summary of a ctest LOG to the counts.
count() {  # LOG
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
    if [ -z "$summary" ]; then
        echo "=== $(basename "$1"): the tests did not finish"
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
run_tests() {  # NAME PRESET ARGS...
    name=$1
    shift
    ctest_into "$logs/$name.log" "$@"
    count "$logs/$name.log"
}
fail_step() {
    failed=$((failed + 1))
    status=1
}

# The clean Debian root, made while the first build runs (root only).
clean_root=""
if [ "$(id -u)" -eq 0 ] && [ "${NUMBRIX_SKIP_CLEAN_ROOT:-}" != 1 ]; then
    "$here/scripts/clean-root.sh" >"$logs/clean-root.log" 2>&1 &
    clean_root=$!
fi

begin "package build"
if ! build package 0; then
    echo "0% tests passed, 1 tests failed out of 1 (the first build failed)"
    exit 1
fi
took "package build"

# The sanitizer and fuzz builds compile behind the package's tests, at low
# priority: those tests keep the cores busy only in their first part.
(
    build asan 19 && touch "$logs/asan.built"
    build fuzz 19 && touch "$logs/fuzz.built"
    touch "$logs/builds.done"
) &
# Waits until the later builds have come as far as FILE, or ended.
wait_for() {  # FILE
    while [ ! -e "$1" ] && [ ! -e "$logs/builds.done" ]; do sleep 1; done
}

# Each build's tests in two runs: those that keep both cores busy, then
# the desktop ones (their own displays, compositors and screen reader),
# which mostly wait, side by side, with the soak test at low priority
# behind them.
desktop='xvfb|accessibility'
soak_behind() {  # PRESET: starts the soak test in the background
    nice -n 19 sh -c "$(command -v dbus-run-session) -- ctest --preset $1 -L soak >'$logs/$1-soak.log' 2>&1" &
}

begin "package tests"
run_tests package-tests package -LE "package|soak|$desktop" -j$((jobs + 1))
took "package tests"
# The package check (its clean root's install is mostly the network and
# the disk) beside the desktop tests: both run the build's program, not
# the one the check installs.
# (scripts/clean-root.sh waits for the root being made, under its lock.)
# Its lines are all shown (-V), each with the seconds since it began.
ctest_into "$logs/package-check.log" package -L package -V >"$logs/package-check.out" &
package_check=$!
soak_behind package
package_soak=$!
begin "package desktop tests, the package check beside them"
run_tests package-desktop package -L "$desktop" -j4
took "package desktop tests, the package check beside"
begin "the Debian package and the soak test (what is left of them)"
wait "$package_check" "$package_soak"
cat "$logs/package-check.out"
count "$logs/package-check.log"
grep -E '^[0-9]+% tests passed|Test +#' "$logs/package-soak.log"
count "$logs/package-soak.log"
took "package check, manual page, soak, what was left"

begin "asan build (what is left of it)"
wait_for "$logs/asan.built"
took "asan build, what was left"
if [ -e "$logs/asan.built" ]; then
    begin "asan tests"
    run_tests asan-tests asan -LE "soak|$desktop" -j$((jobs + 1))
    took "asan tests"
else
    fail_step
fi

# The fuzzers run behind the sanitizer build's desktop tests, at low
# priority, each for NUMBRIX_FUZZ_SECONDS (20 s), the three at once.
(
    wait_for "$logs/fuzz.built"
    [ -e "$logs/fuzz.built" ] || exit 1
    cmake -B build/fuzz -DNUMBRIX_FUZZ_SECONDS="${NUMBRIX_FUZZ_SECONDS:-20}" >/dev/null &&
        nice -n 19 dbus-run-session -- ctest --preset fuzz -j3 >"$logs/fuzzing.log" 2>&1
) &
fuzzing=$!
asan_soak=""
if [ -e "$logs/asan.built" ]; then
    soak_behind asan
    asan_soak=$!
    begin "asan desktop tests (the soak test and the fuzzers behind)"
    run_tests asan-desktop asan -L "$desktop" -j4
    took "asan desktop tests, soak and fuzzers behind"
fi
begin "the soak test and fuzzing (what is left of them)"
if [ -n "$asan_soak" ]; then
    wait "$asan_soak"
    grep -E '^[0-9]+% tests passed|Test +#' "$logs/asan-soak.log"
    count "$logs/asan-soak.log"
fi
wait "$fuzzing"
wait
grep -Ev '^ +Start +[0-9]+: |Test +#[0-9]+: .* Passed |Failed to set fd limit' "$logs/fuzzing.log" 2>/dev/null
if [ -e "$logs/fuzz.built" ]; then count "$logs/fuzzing.log"; else fail_step; fi
took "soak test and fuzzing, what was left"

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
