#!/usr/bin/env bash
# Installs what the build needs from Debian's packages (when missing), then
# configures and builds the project into the given folder.
#
#   scripts/setup.sh [BUILD_DIR [CMAKE_OPTIONS...]]
set -euo pipefail
cd "$(dirname "$0")/.."

pakete=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-charts-dev libgl-dev)
fehlend=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
    echo "Installing: ${fehlend[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${fehlend[@]}" >/dev/null
fi

ordner="${1:-build}"
shift || true
cmake -S . -B "$ordner" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBIS_WERROR=ON "$@" >/dev/null
cmake --build "$ordner"
