#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang and runs each for
# SECONDS against a copy of its seed corpus, then prints the executions and
# findings of each. Exits non-zero when a fuzzer found something; the input
# and the log stay under the build folder.
#
#   bench/fuzz.sh SECONDS
#
# FUZZ_BUILD    build folder (default build-fuzz)
# FUZZ_MERGE=1  afterwards, merge new inputs that reach new code into the repository's
#               corpus, only those of at most FUZZ_MERGE_MAX_BYTES (default 2048)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:?usage: bench/fuzz.sh SECONDS}"
build="${FUZZ_BUILD:-build-fuzz}"
harnesses=(eeprom link settings units language password use csv)

if ! command -v clang++ >/dev/null; then
    echo "Installing clang"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq clang >/dev/null
fi

# Only the fuzzers are built: the rest of the suite gains nothing from clang's instrumentation.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DORBIS_FUZZ=ON -DORBIS_BENCH=OFF >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
cmake --build "$build" --target "${harnesses[@]/#/fuzz_}"

# The file readers' harnesses write every input to a temporary file: in memory that costs
# microseconds, on the disk milliseconds.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR="${TMPDIR:-/dev/shm}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
found=0
summary=()
for h in "${harnesses[@]}"; do
    work="$build/fuzz-run/$h"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/findings"
    cp tests/fuzz/corpus/"$h"/* "$work/corpus/"
    # The file readers share the words that steer their Qt parsing, which libFuzzer cannot see.
    dict=()
    [ "$h" = eeprom ] || [ "$h" = link ] || dict=(-dict=tests/fuzz/files.dict)
    echo "== fuzz_$h for ${seconds}s"
    # A single input that takes 10 s is a hang; libFuzzer keeps it as a timeout finding.
    status=0
    "$build/tests/fuzz/fuzz_$h" "${dict[@]}" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/findings/" \
        "$work/corpus" >"$work/fuzz.log" 2>&1 || status=$?
    grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)' "$work/fuzz.log" | tail -2 || true
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz.log")
    findings=$(find "$work/findings" -type f | wc -l)
    if [ "$status" -ne 0 ] || [ "$findings" -gt 0 ]; then
        found=1
        grep -E 'ERROR|SUMMARY|runtime error|broken promise|#[0-9]+ 0x' "$work/fuzz.log" | head -40
        find "$work/findings" -type f
    fi
    summary+=("fuzz_$h: ${runs:-?} executions, exit $status, $findings findings, corpus $(find "$work/corpus" -type f | wc -l) inputs")

    # A fuzzer that found something has not finished its run: its corpus waits for the fix.
    if [ "${FUZZ_MERGE:-0}" = 1 ] && [ "$status" -eq 0 ]; then
        merged="$work/merged"
        mkdir -p "$merged"
        cp tests/fuzz/corpus/"$h"/* "$merged/"
        # Only new code edges count, not hit counts or comparisons: that keeps the merge to a few inputs.
        "$build/tests/fuzz/fuzz_$h" -merge=1 -use_counters=0 -use_cmp=0 "$merged" "$work/corpus" \
            >"$work/merge.log" 2>&1
        for f in "$merged"/*; do
            name=$(basename "$f")
            if [ ! -e "tests/fuzz/corpus/$h/$name" ] &&
                [ "$(stat -c %s "$f")" -le "${FUZZ_MERGE_MAX_BYTES:-2048}" ]; then
                cp "$f" "tests/fuzz/corpus/$h/"
                echo "merged $name"
            fi
        done
    fi
done

echo "== summary"
printf '%s\n' "${summary[@]}"
echo "seed corpora: $(find tests/fuzz/corpus -type f | wc -l) inputs," \
    "$(cat tests/fuzz/corpus/*/* | wc -c) bytes"
exit "$found"
