#!/usr/bin/env bash
# Measures the link through ser2net, raw and RFC 2217, against the same
# simulated meter's pseudo-terminal without it: live-value exchanges per
# second and the EEPROM read against its wire time (bench_link on each).
# ser2net holds back what the meter sends for two characters' time to
# gather it (its "chardelay"); CHARDELAY=true measures with that default,
# otherwise it is switched off, as the README advises for meters.
#
#   [CHARDELAY=true] bench/device_server_bench.sh [BUILD_DIR]   BUILD_DIR defaults to build
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/simulators.sh

start_sim --latency 0
pty=$sim_port
cat >"$scratch/ser2net.yaml" <<YAML
%YAML 1.1
---
connection: &raw
    accepter: tcp${NODELAY:+(nodelay)},127.0.0.1,47611
    options:
      mdns: false
      chardelay: ${CHARDELAY:-false}
    connector: serialdev,$pty,9600n81,local
connection: &rfc2217
    accepter: telnet(rfc2217),tcp${NODELAY:+(nodelay)},127.0.0.1,47612
    options:
      mdns: false
      chardelay: ${CHARDELAY:-false}
    connector: serialdev,$pty,9600n81,local
YAML
ser2net -n -c "$scratch/ser2net.yaml" -P "$scratch/ser2net.pid" &
sleep 1
for port in "$pty" socket://127.0.0.1:47611 rfc2217://127.0.0.1:47612; do
    # Both accepters share the terminal: ser2net turns a connection away while
    # it still holds the terminal for the one before.
    sleep 1
    echo "== $port"
    "$build/bench/bench_link" "$port"
done
