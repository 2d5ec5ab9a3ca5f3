#!/usr/bin/env bash
# Builds the core, the command line and their unit tests with AddressSanitizer
# and UndefinedBehaviorSanitizer (clang; no GUI) into build-sanitize/ (or
# $NORVANE_SANITIZE_BUILD_DIR) and runs the unit tests. Exits non-zero when a
# test fails or any sanitizer reports, also from a program a test runs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NORVANE_SANITIZE_BUILD_DIR:-$root/build-sanitize}"
jobs="${NORVANE_JOBS:-$(nproc)}"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DNORVANE_SANITIZE=ON \
    -DNORVANE_BUILD_GUI=OFF \
    -DNORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs"

# Every report goes to a file of its own as well, so that one from a child
# process (the tests run norvane-cli) is not lost in an exit code.
reports="$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
export LSAN_OPTIONS="log_path=$reports/lsan"

status=0
ctest --test-dir "$build" --output-on-failure -j "$jobs" || status=$?
if [ -n "$(ls -A "$reports")" ]; then
    for report in "$reports"/*; do
        echo "==== $report"
        cat "$report"
    done
    echo "sanitize.sh: the sanitizers reported faults (above)" >&2
    exit 1
fi
if [ "$status" -ne 0 ]; then
    echo "sanitize.sh: unit tests failed" >&2
    exit "$status"
fi
echo "sanitize.sh: unit tests passed with AddressSanitizer and UndefinedBehaviorSanitizer, no reports"
