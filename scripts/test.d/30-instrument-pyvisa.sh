#!/usr/bin/env bash
# Interop: an independent VISA client (pyvisa + pyvisa-py) against the
# simulator over VXI-11, with the simulator's default settings: a block
# round trip per model, then four such clients at once. pyvisa-py always asks
# the portmapper on port 111, so the simulator binds it; no other step may run
# beside this one.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
sim=${PELMORAN_SIM:-$top/build/sim/pelmoran-sim}
python=/usr/bin/python3  # Debian's python, where python3-pyvisa-py lives
[ -x "$sim" ] || { echo "pyvisa interop: $sim not built" >&2; exit 1; }
if ss -Hltnu 2>/dev/null | awk '{print $5}' | grep -qE '[:.]111$'; then
  echo "pyvisa interop: port 111 is taken" >&2
  exit 1
fi

pid=""
out=$(mktemp)
stop() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  pid=""
}
trap 'stop; rm -f "$out"' EXIT
trap 'exit 1' INT TERM

start() {
  "$sim" --model "$1" --port 111 --quiet >"$out" &
  pid=$!
  for _ in $(seq 100); do grep -q '^ready' "$out" && break; kill -0 "$pid" || break; sleep 0.05; done
  grep -q '^ready' "$out" || { echo "pyvisa interop: simulator did not start" >&2; exit 1; }
}

for model in KRV1000X KRV1000; do
  start "$model"
  timeout 120 "$python" "$top/sim/interop/pyvisa_roundtrip.py" "$model" 127.0.0.1
  stop
done
start KRV1000
timeout 180 "$python" "$top/sim/interop/pyvisa_concurrent.py" KRV1000 127.0.0.1
stop
echo "pyvisa interop: ok"
