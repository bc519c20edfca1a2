#!/usr/bin/env bash
# The browser edition's compute against the native program's, for the same 100-trial run
# ("Comp Severe", seed 43200000): run_compute native and as wasm under node, interleaved, five
# rounds of five repetitions each (the first of each round is a warm-up and not counted);
# prints the medians, their ratio and the spread.
#   bench/web_ratio.sh NATIVE_BUILD_DIR WEB_BUILD_DIR
set -euo pipefail
native="$1/bench/run_compute"
wasm="$2/ui/web/run_compute.js"
args=(1 3 43200000 5)
n=() w=()
for round in 1 2 3 4 5; do
    mapfile -t -O "${#n[@]}" n < <("$native" "${args[@]}" | tail -n +2)
    mapfile -t -O "${#w[@]}" w < <(node --no-experimental-fetch "$wasm" "${args[@]}" | tail -n +2)
done
python3 - "${n[*]}" "${w[*]}" <<'PY'
import statistics, sys
native, wasm = ([float(v) for v in arg.split()] for arg in sys.argv[1:])
mn, mw = statistics.median(native), statistics.median(wasm)
print(f"native {mn:.2f} ms (min {min(native):.2f}, max {max(native):.2f}); "
      f"wasm {mw:.2f} ms (min {min(wasm):.2f}, max {max(wasm):.2f}); ratio {mw / mn:.2f}")
PY
