#!/bin/sh
# Builds the clip reader's libFuzzer target with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer, integer checks included) and runs it for
# SECONDS (default 60) on a corpus seeded with generated clips and the
# program's own banner. One process, at low priority.
#
# Usage: fuzz/run.sh [SECONDS]
# Exits non-zero when the build fails or the fuzzer finds a crash, a hang,
# a leak or a failed check; the input that did it is saved in the build
# directory (crash-*, timeout-*, leak-*, oom-*). NUMBRIX_FUZZ_BUILD sets the
# build directory (default build-fuzz/ in the work tree), where the corpus
# grows from run to run.
set -eu
seconds=${1:-60}
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

mkdir -p "$out/corpus" "$out/seeds"
echo "=== fuzz: building with $cxx"
"$cxx" -std=c++20 -g -O1 -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined,integer -fno-sanitize-recover=all \
    -I"$here" "$here/fuzz/avi_clip_fuzz.cpp" "$here/platform/dialog/AviClip.cpp" \
    -o "$out/avi_clip_fuzz"
"$cxx" -std=c++20 -O1 -I"$here" "$here/fuzz/make_seeds.cpp" -o "$out/make_seeds"
"$out/make_seeds" "$out/seeds"
cp "$here/res/Animation179.avi" "$out/seeds/"

echo "=== fuzz: running for $seconds s"
cd "$out"
status=0
nice -n 10 ./avi_clip_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -dict="$here/fuzz/avi.dict" -print_final_stats=1 \
    corpus seeds || status=$?
if [ "$status" -ne 0 ]; then
    echo "=== fuzz: FAILED (exit $status); inputs that fail: $(ls crash-* timeout-* leak-* oom-* slow-unit-* 2>/dev/null | tr '\n' ' ')"
    exit "$status"
fi
echo "=== fuzz: no crash, hang or failed check in $seconds s"
