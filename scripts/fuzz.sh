#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer), replays
# every input that ever found a fault (tests/fuzz/regressions/TARGET), then fuzzes each target from
# its seed corpus. Any finding ends the script with a failure; the input lands in build-fuzz/findings.
# Usage: scripts/fuzz.sh [SECONDS-PER-TARGET] [TARGET ...]   (60 s and all targets by default)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_level_file fuzz_tileset fuzz_tile_text fuzz_render fuzz_tmx fuzz_tmj fuzz_sets)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARN_FUZZ=ON >/dev/null
cmake --build build-fuzz --target "${targets[@]}"
python3 scripts/make-fuzz-seeds.py build-fuzz/seeds
mkdir -p build-fuzz/findings

export QT_QPA_PLATFORM=offscreen
# A leak is a finding; the sanitizer suite's suppressions name the platform's libraries only.
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# A second per input is the promise; the sanitizers make the code a few times slower.
limits=(-timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512)
for target in "${targets[@]}"; do
    program=build-fuzz/fuzz/$target
    shopt -s nullglob
    regressions=(tests/fuzz/regressions/"$target"/*)
    shopt -u nullglob
    if [ ${#regressions[@]} -gt 0 ]; then
        echo "== $target: replaying ${#regressions[@]} regression input(s)"
        "$program" "${limits[@]}" "${regressions[@]}"
    fi
    echo "== $target: fuzzing for $seconds s"
    mkdir -p build-fuzz/corpus/"$target"
    "$program" "${limits[@]}" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build-fuzz/findings/"$target"- build-fuzz/corpus/"$target" build-fuzz/seeds/"$target"
done
