#!/usr/bin/env bash
# Runs the soak benchmark for SECONDS (an hour unless given): the tool with
# its window, recording every 0.1 s with the trend open, sampled every 10 s.
# The build folder is configured the way scripts/setup.sh does it when it is
# missing; otherwise only the benchmark and what it needs are rebuilt.
#
#   bench/soak.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-3600}"
[ -f build/build.ninja ] || scripts/setup.sh build
cmake --build build --target bench_soak
exec build/bench/bench_soak "$seconds"
