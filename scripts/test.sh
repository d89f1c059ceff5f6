#!/bin/sh
# Installs what is missing, builds the program twice (plain, and with
# AddressSanitizer + UndefinedBehaviorSanitizer) and runs every test in both
# builds on Qt's offscreen platform inside a private D-Bus session, builds
# and checks the Debian package (scripts/check-package.sh), then fuzzes the
# banner clip reader for a minute. Ends with one line counting
# the tests that passed and failed.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" || exit 1

out=${NUMBRIX_TEST_BUILD:-$here/build-tests}
jobs=$(nproc 2>/dev/null || echo 2)

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

passed=0
failed=0
status=0
for config in plain sanitize; do
    if [ "$config" = sanitize ]; then
        options="-DCMAKE_BUILD_TYPE=Debug -DNUMBRIX_SANITIZE=ON"
    else
        options="-DCMAKE_BUILD_TYPE=RelWithDebInfo"
    fi
    echo "=== $config build"
    # shellcheck disable=SC2086
    if ! "$here/scripts/build.sh" "$out/$config" $options; then
        echo "=== $config build FAILED"
        status=1
        continue
    fi
    echo "=== $config tests"
    log="$out/$config/ctest.log"
    (cd "$out/$config" && dbus-run-session -- ctest -j"$jobs" --output-on-failure --timeout 300) 2>&1 | tee "$log"
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$summary" ]; then
        echo "=== $config tests did not finish"
        status=1
        continue
    fi
    total=$(echo "$summary" | sed -E 's/.* out of ([0-9]+).*/\1/')
    bad=$(echo "$summary" | sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    [ "$bad" -eq 0 ] || status=1
done

# The Debian package is built and checked (installed, started, removed) in
# a build of its own; that check counts as one test.
echo "=== the Debian package"
if NUMBRIX_JOBS="$jobs" "$here/scripts/check-package.sh" "$out/package"; then
    passed=$((passed + 1))
else
    echo "=== the package check FAILED"
    failed=$((failed + 1))
    status=1
fi

# Each fuzz target (the banner clip reader, the number readers, the
# automation dispatch) runs for a minute on every run; each run counts as
# one test.
for target in avi_clip number_text automation_dispatch; do
    echo "=== fuzzing $target for 60 s"
    if NUMBRIX_FUZZ_BUILD="$out/fuzz" "$here/fuzz/run.sh" 60 "$target"; then
        passed=$((passed + 1))
    else
        echo "=== fuzzing $target FAILED"
        failed=$((failed + 1))
        status=1
    fi
done

total=$((passed + failed))
if [ "$total" -gt 0 ]; then
    percent=$((passed * 100 / total))
else
    percent=0
    status=1
fi
echo "$percent% tests passed, $failed tests failed out of $total (plain and sanitizer builds, the package check and the fuzz runs together)"
exit $status
