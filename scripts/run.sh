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

# The same packages as scripts/setup.sh: that script builds everything,
# tests and benchmarks included, which a first start need not wait for.
packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-charts-dev libgl-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Configured as scripts/setup.sh does, so that scripts/test.sh later builds
# the rest in the same folder without compiling anything twice.
if [ ! -f build/build.ninja ]; then
    log=$(mktemp)
    if ! cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBIS_WERROR=ON \
        >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        exit 1
    fi
    rm -f "$log"
fi
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
