#!/bin/sh
# Fuzzes with libFuzzer: builds the fuzz preset (clang; every library
# instrumented, AddressSanitizer and UndefinedBehaviorSanitizer) in
# build/fuzz and runs each target for SECONDS (default 60) from its kept
# corpus, as the tests Fuzz.<Target>:
#   avi_clip             the banner's clip reader
#   number_text          the number readers against glibc's strtod/strtol
#   automation_dispatch  bus calls into the calculator's dispatch map,
#                        inside a dbus-run-session of its own
# New inputs go to build/fuzz/fuzz/corpus/TARGET/. An input that crashes or
# hangs a target is written to fuzz/finds/TARGET/, where the replay tests
# of every build (Fuzz.Replay<Target>) pick it up: keep it there with the
# fix.
#
#   fuzz/run.sh [SECONDS [TARGET...]]
#   fuzz/run.sh --merge [TARGET...]   adds to each kept corpus
#       (fuzz/corpus/TARGET/) the inputs of the build's corpus, up to 4 KB,
#       that reach what none of the kept ones does (-merge=1)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
targets="avi_clip number_text automation_dispatch"
merge=""
seconds=60
if [ "${1:-}" = --merge ]; then
    merge=yes
    shift
elif [ $# -gt 0 ]; then
    seconds=$1
    shift
fi
[ $# -gt 0 ] && targets="$*"

if [ -z "$merge" ]; then
    cmake --preset fuzz -DNUMBRIX_FUZZ_SECONDS="$seconds" >/dev/null
else
    cmake --preset fuzz >/dev/null
fi
cmake --build --preset fuzz

if [ -z "$merge" ]; then
    tests=""
    for target in $targets; do
        case $target in
            avi_clip) tests="$tests|Fuzz.AviClip" ;;
            number_text) tests="$tests|Fuzz.NumberText" ;;
            automation_dispatch) tests="$tests|Fuzz.AutomationDispatch" ;;
            *) echo "fuzz: no target $target" >&2; exit 2 ;;
        esac
    done
    exec ctest --preset fuzz -j"$(nproc)" -R "^(${tests#|})\$"
fi

export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp:print_suppressions=0"
for target in $targets; do
    kept=fuzz/corpus/$target
    before="$(ls "$kept" | wc -l) inputs, $(du -s --apparent-size -B1 "$kept" | cut -f1) bytes"
    launcher=""
    [ "$target" = automation_dispatch ] && launcher="dbus-run-session --"
    # Into the kept corpus (whose inputs all stay): those of the build's
    # corpus that reach what none of the kept ones does, up to 4 KB each.
    # shellcheck disable=SC2086
    $launcher "build/fuzz/fuzz/${target}_fuzz" -merge=1 -max_len=4096 "$kept" "build/fuzz/fuzz/corpus/$target" 2>&1 |
        grep '^MERGE-OUTER: [0-9]* new' || true
    echo "=== $target: $(ls "$kept" | wc -l) inputs, $(du -s --apparent-size -B1 "$kept" | cut -f1) bytes (was $before)"
done
