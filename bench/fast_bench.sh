#!/usr/bin/env bash
# Wall time of the configuration write, the curve write and the calibration
# reset with the fixed waits and with --fast, on orbis-sim with its default
# timing (or the simulator options given); every write must be verified.
#
#   bench/fast_bench.sh [BUILD_DIR [SIM_OPTION...]]   BUILD_DIR defaults to build
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/simulators.sh
shift || true

start_sim "$@"
port=$sim_port
"$cli" save-config "$port" "$scratch/m.use" --folder "$scratch" 2>/dev/null
sed -i '6s/.*/ 0.75\r/' "$scratch/m.use"  # the creep flow
"$cli" read-curve "$port" "$scratch/curve.csv" --folder "$scratch" 2>/dev/null

# Milliseconds one write took (orbis-cli WRITE PORT [FILE] [--fast]); it
# fails unless the meter was found holding what was asked.
milliseconds() {
    local write=$1 start
    shift
    start=$(date +%s%N)
    "$cli" "$write" "$port" "$@" --json --folder "$scratch" >"$scratch/out" 2>/dev/null || true
    grep -q '"result": "written"' "$scratch/out" || { echo "$write $* was not verified" >&2; exit 1; }
    echo $((($(date +%s%N) - start) / 1000000))
}

for write in write-config write-curve calibrate-reset; do
    case $write in
        write-config) file=("$scratch/m.use") ;;
        write-curve) file=("$scratch/curve.csv") ;;
        *) file=() ;;
    esac
    fixed=$(milliseconds "$write" "${file[@]}")
    fast=$(milliseconds "$write" "${file[@]}" --fast)
    printf '%-16s fixed %6.2f s   fast %5.2f s   %4.1f x\n' "$write" \
        "$(bc -l <<<"$fixed / 1000")" "$(bc -l <<<"$fast / 1000")" "$(bc -l <<<"$fixed / $fast")"
done
