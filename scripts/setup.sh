#!/usr/bin/env bash
# Installs what the build needs from Debian's packages (when missing), then
# configures and builds the project into the given folder.
#
#   scripts/setup.sh [BUILD_DIR [CMAKE_OPTIONS...]]
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/build_tools.sh
install_missing "${build_packages[@]}"

folder="${1:-build}"
shift || true
configure "$folder" "$@"
cmake --build "$folder"
