#!/usr/bin/env bash
# Runs every display benchmark in one go on a private Xvfb, each several times, and prints
# per benchmark the median and its ratio to its floor: the bare-Xlib step for per-step
# figures, the minimal Qt window for start-up time and peak memory. Builds nothing: an entry
# whose program is not built yet is reported as skipped. Leaves nothing running or behind.
# Usage: bench/run_all.sh [-r REPETITIONS] [-n FLOOR_STEPS] [-b BUILD_DIR]
#        (defaults: 5 repetitions, 100000 steps, the build/ beside bench/). Needs Xvfb and
#        /usr/bin/time (Debian package "time").
set -euo pipefail

reps=5 steps=100000 build=$(dirname "$0")/../build
while getopts "r:n:b:" opt; do
    case $opt in
        r) reps=$OPTARG ;;
        n) steps=$OPTARG ;;
        b) build=$OPTARG ;;
        *) sed -n '6,8p' "$0"; exit 2 ;;
    esac
done
[[ $reps =~ ^[1-9][0-9]*$ && $steps =~ ^[1-9][0-9]*$ ]] || { sed -n '6,8p' "$0"; exit 2; }
bin=$(realpath -m "$build/bench")

# A private runtime directory and X server, removed and stopped however the script ends.
tmp=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
mkdir -m 700 "$tmp/runtime"
export XDG_RUNTIME_DIR=$tmp/runtime QT_QPA_PLATFORM=xcb

# Xvfb on the first free display number from a random start (other people's servers hold
# theirs by lock file); it writes its number to -displayfd once it accepts clients.
for n in $(shuf -i 100-899); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset -displayfd 3 3>"$tmp/ready" 2>"$tmp/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$tmp/ready" ] || ! kill -0 "$xvfb_pid" 2>/dev/null && break; sleep 0.05; done
    [ -s "$tmp/ready" ] && break
    kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; xvfb_pid=
done
[ -n "$xvfb_pid" ] || { echo "run_all: could not start Xvfb" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=:$n
echo "Display benchmarks on Xvfb $DISPLAY, $reps runs each, medians ($bin)"

# measure NAME KEY UNIT FLOOR COMMAND...
#   Runs COMMAND $reps times and takes the median of the value in its "KEY=value" output;
#   KEY peak_rss_mb is instead the "Maximum resident set size" that /usr/bin/time -v reports.
#   FLOOR is an earlier entry to divide by, or "-". A COMMAND not built is skipped.
declare -A median=()
failures=0
measure() {
    local name=$1 key=$2 unit=$3 floor=$4 values=() value out i
    shift 4
    if [ ! -x "$1" ]; then printf '%-24s skipped (not built)\n' "$name"; return 0; fi
    for ((i = 0; i < reps; i++)); do
        if [ "$key" = peak_rss_mb ]; then
            out=$(/usr/bin/time -v -o "$tmp/time" "$@" 2>"$tmp/err" >/dev/null && cat "$tmp/time") || out=
            value=$(awk -F': ' '/Maximum resident set size/ {printf "%.1f", $2 / 1024}' <<<"$out")
        else
            out=$("$@" 2>"$tmp/err") || out=
            value=$(awk -v k="$key=" '{for (i = 1; i <= NF; i++) if (index($i, k) == 1) v = substr($i, length(k) + 1)} END {print v}' <<<"$out")
        fi
        if [ -z "$value" ]; then
            printf '%-24s failed:\n' "$name"; sed 's/^/    /' "$tmp/err"; failures=$((failures + 1)); return 0
        fi
        values+=("$value")
    done
    median[$name]=$(printf '%s\n' "${values[@]}" | sort -g |
        awk '{a[NR] = $1} END {printf "%.3f", NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}')
    local ratio=
    if [ "$floor" != - ] && [ -n "${median[$floor]:-}" ]; then
        ratio=$(awk -v a="${median[$name]}" -v b="${median[$floor]}" -v f="$floor" 'BEGIN {printf "%.2fx %s", a / b, f}')
    fi
    printf '%-24s %12s %-8s %-32s runs: %s\n' "$name" "${median[$name]}" "$unit" "$ratio" "${values[*]}"
}

# ---- Entries: NAME KEY UNIT FLOOR COMMAND... (a floor runs before what is divided by it) ----
measure xlib_floor           us_per_step us/step -  "$bin/xlib_floor" "$steps"
measure minimal_qt_startup   startup_ms  ms      -  "$bin/minimal_qt"
measure minimal_qt_peak_rss  peak_rss_mb MB      -  "$bin/minimal_qt"

# ---- The real window with its real bindings: 100-trial runs, start-up, and the peak memory
# of a whole 100-trial run ----
measure window_run_startpoint us_per_step us/step xlib_floor          "$bin/window_bench" run startpoint
measure window_run_compmild   us_per_step us/step xlib_floor          "$bin/window_bench" run compmild
measure window_startup        startup_ms  ms      minimal_qt_startup  "$bin/window_bench" startup
measure window_peak_rss       peak_rss_mb MB      minimal_qt_peak_rss "$bin/window_bench" run compmild

[ "$failures" -eq 0 ]
