#!/usr/bin/env bash
# Builds what is missing of what it runs (the simulator, and the tool or
# orbis-cli), starts the simulated meter on a pseudo-terminal as port 1 of the
# program folder, and starts the tool against it. Without a display orbis-cli
# reads the simulated meter instead.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    targets=(orbis-sim orbis)
else
    targets=(orbis-sim orbis-cli)
fi

# The packages of scripts/setup.sh, configured as it does, so that
# scripts/test.sh later builds the rest in the same folder without compiling
# anything twice; only what is run is built now.
source scripts/build_tools.sh
install_missing "${build_packages[@]}"
[ -f build/build.ninja ] || configure build
cmake --build build --target "${targets[@]}"

folder=build/src   # the build tree is the program folder
mkdir -p "$folder/ports"
[ -f "$folder/Q_orbis.CON" ] || printf 'Com1\r\n1\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n(-)\r\nLuft\r\n' >"$folder/Q_orbis.CON"

output=$(mktemp)
build/sim/orbis-sim --link "$folder/ports/com1" >"$output" &
sim=$!
trap 'kill "$sim" 2>/dev/null; rm -f "$output"' EXIT
for _ in $(seq 50); do
    [ -s "$output" ] && break
    sleep 0.1
done
path=$(head -n 1 "$output")
[ -n "$path" ] || { echo "The simulator did not start." >&2; exit 1; }
echo "Simulated meter on $path (port 1)"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    "$folder/orbis"
else
    echo "No display: reading the simulated meter with orbis-cli instead."
    build/src/orbis-cli read "$path"
fi
