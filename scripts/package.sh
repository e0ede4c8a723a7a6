#!/usr/bin/env bash
# Builds the Debian package: a Release build of the three programs (no tests,
# no benchmarks) in build-package/, packed by CPack. Prints the .deb's path.
#
#   scripts/package.sh [CMAKE_OPTIONS...]   e.g. -DORBIS_MAINTAINER="Name <mail>"
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps (dpkg-dev) and file compute the package's dependencies.
source scripts/build_tools.sh
install_missing dpkg-dev file

# setup.sh installs the build's packages, configures and builds everything
# the options leave in: here only the programs. Warnings do not stop a
# package built with another compiler.
scripts/setup.sh build-package -DCMAKE_BUILD_TYPE=Release -DORBIS_TESTS=OFF -DORBIS_BENCH=OFF \
    -DORBIS_WERROR=OFF "$@"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! (cd build-package && cpack -G DEB) >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$log")
[ -n "$deb" ] || { cat "$log" >&2; exit 1; }
realpath --relative-to=. "$deb"
