# Sourced by the benchmark scripts, with the build folder as "$1" (default
# build): a scratch folder that goes away, with every simulator started, when
# the script ends, and the start of a simulated meter.
build="${1:-build}"
cli="$build/src/orbis-cli"
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$scratch"' EXIT
simulators=0

# Starts orbis-sim with the options given and sets sim_port to its terminal.
start_sim() {
    local out="$scratch/sim$((simulators += 1))"
    "$build/sim/orbis-sim" "$@" >"$out" &
    for _ in $(seq 50); do [ -s "$out" ] && break; sleep 0.1; done
    sim_port=$(head -n 1 "$out")
}
