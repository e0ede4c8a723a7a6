#!/usr/bin/env bash
# Builds what is missing, starts the simulated meter on a pseudo-terminal and
# reads it with the command-line reader.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh build

ausgabe=$(mktemp)
build/sim/orbis-sim >"$ausgabe" &
sim=$!
trap 'kill "$sim" 2>/dev/null; rm -f "$ausgabe"' EXIT
for _ in $(seq 50); do
    [ -s "$ausgabe" ] && break
    sleep 0.1
done
pfad=$(head -n 1 "$ausgabe")
[ -n "$pfad" ] || { echo "The simulator did not start." >&2; exit 1; }
echo "Simulated meter on $pfad"
build/src/orbis-reader "$pfad"
