#!/usr/bin/env bash
# Builds Quarn and runs the whole test suite (unit, widget and end-to-end tests).
# With --sanitize the suite is built and run under AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
    build=build-asan
    flags=(-DCMAKE_BUILD_TYPE=Debug -DQUARN_SANITIZE=ON)
fi
cmake -S . -B "$build" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
# Leaks are findings. The suppressions name only the platform's libraries, which keep some allocations
# for the whole run (the session bus connection); a leak of our own is never suppressed.
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure --timeout 600
