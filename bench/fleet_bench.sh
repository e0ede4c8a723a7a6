#!/usr/bin/env bash
# Wall time of `orbis-cli fleet write-config` on 1, 4 and 8 simulated meters,
# each on its own pseudo-terminal; every meter must hold the file after it.
#
#   bench/fleet_bench.sh [BUILD_DIR [OPTION...]]   BUILD_DIR defaults to build;
#   the options go to the fleet command (--fast)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/simulators.sh
shift || true

ports=()
for _ in $(seq 8); do
    start_sim
    ports+=("$sim_port")
done
"$cli" save-config "${ports[0]}" "$scratch/m.use" --folder "$scratch" 2>/dev/null
sed -i '5s/.*/ 120\r/' "$scratch/m.use"  # the full scale

for n in 1 4 8; do
    start=$(date +%s%N)
    "$cli" fleet write-config "$scratch/m.use" "${ports[@]:0:n}" --folder "$scratch" "$@" >"$scratch/out"
    ms=$((($(date +%s%N) - start) / 1000000))
    written=$(grep -c $'\twritten\t' "$scratch/out" || true)
    printf '%d meters: %d.%03d s, %d written\n' "$n" $((ms / 1000)) $((ms % 1000)) "$written"
done
