#!/bin/sh
# Builds libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS (default 60), one
# process at a time, at low priority:
#   avi_clip             the banner's clip reader, seeded with generated
#                        clips and the program's own banner
#   number_text          the number readers against glibc's strtod/strtol
#   automation_dispatch  bus calls into the calculator's dispatch map (a
#                        CMake build of the program's libraries, run inside
#                        its own dbus-run-session)
#
# Usage: fuzz/run.sh [SECONDS [TARGET]]   (all three when TARGET is absent)
# Exits non-zero when a build fails or a fuzzer finds a crash, a hang, a
# leak or a failed check; the input that did it is saved in the target's
# directory (crash-*, timeout-*, leak-*, oom-*). NUMBRIX_FUZZ_BUILD sets the
# build directory (default build-fuzz/ in the work tree); each target has a
# folder there (TARGET/) where its corpus grows from run to run.
set -eu
seconds=${1:-60}
targets=${2:-"avi_clip number_text automation_dispatch"}
here=$(cd "$(dirname "$0")/.." && pwd)
out=${NUMBRIX_FUZZ_BUILD:-$here/build-fuzz}

cxx=""
for candidate in clang++ clang++-14; do
    if command -v "$candidate" >/dev/null 2>&1; then
        cxx=$candidate
        break
    fi
done
if [ -z "$cxx" ]; then
    echo "fuzz: clang++ not found (scripts/install-deps.sh installs it)" >&2
    exit 1
fi
sanitizers="-fsanitize=fuzzer,address,undefined,integer -fno-sanitize-recover=all"

build_avi_clip() {
    "$cxx" -std=c++20 -g -O1 -fno-omit-frame-pointer $sanitizers \
        -I"$here" "$here/fuzz/avi_clip_fuzz.cpp" "$here/platform/dialog/AviClip.cpp" \
        -o "$dir/avi_clip_fuzz"
    "$cxx" -std=c++20 -O1 -I"$here" "$here/fuzz/make_seeds.cpp" -o "$dir/make_seeds"
    "$dir/make_seeds" "$dir/seeds"
    cp "$here/res/Animation179.avi" "$dir/seeds/"
    options="-max_len=65536 -dict=$here/fuzz/avi.dict"
}

build_number_text() {
    "$cxx" -std=c++20 -g -O1 -fno-omit-frame-pointer $sanitizers -I"$here" \
        "$here/fuzz/number_text_fuzz.cpp" "$here/platform/text/NumberText.cpp" \
        "$here/platform/text/Format.cpp" "$here/platform/text/detail/CLocale.cpp" \
        -o "$dir/number_text_fuzz"
    for seed in "7.5" "  -.5e1x" "0x1A" "-0X.8p1" "1,500" "inf" "-Infinity" "nan(12)" "1e" "1e+" \
        "2.5e-324" "1.7976931348623157e308" "1e309" "+00012 " "2147483648" "-2147483649" "4.9e-324"; do
        printf '%s' "$seed" >"$dir/seeds/$(printf '%s' "$seed" | od -An -tx1 | tr -d ' \n')"
    done
    options="-max_len=4096 -dict=$here/fuzz/number.dict"
}

build_automation_dispatch() {
    cc=$(echo "$cxx" | sed 's/clang++/clang/')
    cmake -S "$here" -B "$dir/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" \
        -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" -DNUMBRIX_SANITIZE=ON \
        -DNUMBRIX_TESTS=OFF -DNUMBRIX_FUZZ=ON >"$dir/cmake.log"
    cmake --build "$dir/build" --target automation_dispatch_fuzz -j2 >"$dir/build.log" ||
        { tail -40 "$dir/build.log"; return 1; }
    cp -f "$dir/build/fuzz/automation_dispatch_fuzz" "$dir/"
    options="-max_len=2048 -dict=$here/fuzz/dispatch.dict"
    # Its own private bus, so nothing it does reaches the desktop's; what the
    # libraries under us keep on purpose is not a leak of ours.
    launcher="env LSAN_OPTIONS=suppressions=$here/tests/lsan.supp:print_suppressions=0 dbus-run-session --"
}

status=0
for target in $targets; do
    dir=$out/$target
    mkdir -p "$dir/corpus" "$dir/seeds"
    launcher=""
    echo "=== fuzz $target: building with $cxx"
    "build_$target"
    echo "=== fuzz $target: running for $seconds s"
    run=0
    (cd "$dir" && nice -n 10 $launcher "./${target}_fuzz" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 $options -print_final_stats=1 corpus seeds) || run=$?
    if [ "$run" -ne 0 ]; then
        echo "=== fuzz $target: FAILED (exit $run); inputs that fail:" \
            "$(cd "$dir" && ls crash-* timeout-* leak-* oom-* slow-unit-* 2>/dev/null | tr '\n' ' ')"
        status=$run
    else
        echo "=== fuzz $target: no crash, hang or failed check in $seconds s"
    fi
done
exit "$status"
