#!/usr/bin/env bash
# Runs the whole test suite twice: a regular build with warnings as errors,
# and a build under AddressSanitizer and UndefinedBehaviorSanitizer in which
# any undefined behaviour fails the test.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/build_tools.sh
install_missing "${test_packages[@]}"
scripts/setup.sh build
scripts/setup.sh build-sanitize -DORBIS_SANITIZE=ON -DORBIS_BENCH=OFF

export QT_QPA_PLATFORM=offscreen
# Most of the suite waits on simulated meters, device servers and command-line
# runs in real time and leaves the cores idle meanwhile: twice as many tests
# as cores keep them busy.
jobs=$((2 * $(nproc)))
ctest --test-dir build --output-on-failure -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
