#!/usr/bin/env bash
# The browser edition's compute against the native program's, for the same 100-trial run
# ("Comp Severe", seed 43200000): run_compute native and as wasm under node, interleaved, five
# rounds of seven repetitions each (the first two of each round are the warm-up: the engine
# compiles the wasm, then replaces the run's baseline code with optimised code, as it does in
# the page's first frames; they are not counted); prints the medians, their ratio and the
# spread (the quartiles and the extremes).
#   bench/web_ratio.sh NATIVE_BUILD_DIR WEB_BUILD_DIR
set -euo pipefail
native="$1/bench/run_compute"
wasm="$2/ui/web/run_compute.js"
args=(1 3 43200000 7)
n=() w=()
for round in 1 2 3 4 5; do
    mapfile -t -O "${#n[@]}" n < <("$native" "${args[@]}" | tail -n +3)
    mapfile -t -O "${#w[@]}" w < <(node --no-experimental-fetch "$wasm" "${args[@]}" | tail -n +3)
done
python3 - "${n[*]}" "${w[*]}" <<'PY'
import statistics, sys
native, wasm = ([float(v) for v in arg.split()] for arg in sys.argv[1:])
def spread(values):
    q1, _, q3 = statistics.quantiles(values, n=4)
    return f"quartiles {q1:.2f}..{q3:.2f}, min {min(values):.2f}, max {max(values):.2f}"
mn, mw = statistics.median(native), statistics.median(wasm)
print(f"native {mn:.2f} ms ({spread(native)}); wasm {mw:.2f} ms ({spread(wasm)}); "
      f"ratio {mw / mn:.2f} over {len(native)} and {len(wasm)} runs")
PY
