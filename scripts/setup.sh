#!/usr/bin/env bash
# Installs what the build needs from Debian's packages (when missing), then
# configures and builds the project into the given folder.
#
#   scripts/setup.sh [BUILD_DIR [CMAKE_OPTIONS...]]
set -euo pipefail
cd "$(dirname "$0")/.."

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

folder="${1:-build}"
shift || true
# CMake's configure output is long and rarely interesting: it is shown only when it fails.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBIS_WERROR=ON "$@" >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
cmake --build "$folder"
