#!/usr/bin/env bash
# Runs the display benchmarks on a private Xvfb (and, where weston is installed, in a private
# headless Wayland session with XWayland) and prints, per benchmark, the median and spread of
# its runs beside those of its floor, and their ratio. Floor and measured runs alternate,
# floor first and last (F M F M ... M F), so that a change in the machine's load hits both.
#   per-step figures: the bare-Xlib floor (bench/xlib_floor); both end on a round trip to the
#                     X server, so its drawing is included; "B/step" is what the process
#                     wrote to the X server per step (/proc/self/io wchar over the run)
#   start-up, memory: a minimal Qt Widgets window (bench/minimal_qt)
#   Qt's Wayland:     the same run on the Xvfb (weston's headless back end, no X display)
#   another build:    with -B, the same run of that build's window_bench on the same Xvfb
#                     (an earlier commit, say)
# Builds nothing: an entry whose program is not built is reported as skipped. Leaves nothing
# running or behind.
# Usage: bench/run_all.sh [-r REPETITIONS] [-n FLOOR_STEPS] [-b BUILD_DIR] [-B OTHER_BUILD]
#        (defaults: 5 repetitions, 100000 steps, the build/ beside bench/). Needs Xvfb and
#        /usr/bin/time (Debian package "time").
set -euo pipefail

reps=5 steps=100000 build=$(dirname "$0")/../build other=
usage() { sed -n '15,17p' "$0"; exit 2; }
while getopts "r:n:b:B:" opt; do
    case $opt in
        r) reps=$OPTARG ;;
        n) steps=$OPTARG ;;
        b) build=$OPTARG ;;
        B) other=$OPTARG ;;
        *) usage ;;
    esac
done
[[ $reps =~ ^[1-9][0-9]*$ && $steps =~ ^[1-9][0-9]*$ ]] || usage
bin=$(realpath -m "$build/bench")

# A private runtime directory and servers, removed and stopped however the script ends.
tmp=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
mkdir -m 700 "$tmp/runtime"
export XDG_RUNTIME_DIR=$tmp/runtime

# Xvfb on the first free display number from a random start (other people's servers hold
# theirs by lock file); it writes its number to -displayfd once it accepts clients.
xvfb_pid=
for n in $(shuf -i 100-899); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset -displayfd 3 3>"$tmp/ready" 2>"$tmp/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$tmp/ready" ] || ! kill -0 "$xvfb_pid" 2>/dev/null && break; sleep 0.05; done
    [ -s "$tmp/ready" ] && break
    kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; xvfb_pid=
done
[ -n "$xvfb_pid" ] || { echo "run_all: could not start Xvfb" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
pids+=("$xvfb_pid")
xvfb_display=:$n

# run_once KEY COMMAND... : runs COMMAND once; prints the value of "KEY=value" in its output
# and that of bytes_per_step (or "-"). KEY peak_rss_mb is the "Maximum resident set size"
# that /usr/bin/time -v reports. Prints nothing if the command failed.
run_once() {
    local key=$1 out value bytes
    shift
    if [ "$key" = peak_rss_mb ]; then
        /usr/bin/time -v -o "$tmp/time" "$@" >/dev/null 2>"$tmp/err" || return 0
        value=$(awk -F': ' '/Maximum resident set size/ {printf "%.1f", $2 / 1024}' "$tmp/time")
        bytes=-
    else
        out=$("$@" 2>"$tmp/err") || return 0
        value=$(awk -v k="$key=" '{for (i = 1; i <= NF; i++) if (index($i, k) == 1) v = substr($i, length(k) + 1)} END {print v}' <<<"$out")
        bytes=$(awk '{for (i = 1; i <= NF; i++) if (index($i, "bytes_per_step=") == 1) v = substr($i, 16)} END {print v == "" ? "-" : v}' <<<"$out")
    fi
    [ -n "$value" ] && echo "$value $bytes"
}

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR] = $1} END {printf "%.2f", NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
spread() { printf '%s\n' "$@" | sort -g | awk 'NR == 1 {lo = $1} {hi = $1} END {printf "%g-%g", lo, hi}'; }

# compare NAME KEY UNIT FLOOR_NAME "FLOOR COMMAND" COMMAND... : floor and measured runs
# alternating (floor first and last); prints both medians, their spreads and ratios.
failures=0
compare() {
    local name=$1 key=$2 unit=$3 floor_name=$4 floor_cmd=$5 f=() fb=() m=() mb=() i r
    shift 5
    if [ ! -x "$1" ] || [ ! -x "${floor_cmd%% *}" ]; then printf '%-26s skipped (not built)\n' "$name"; return 0; fi
    for ((i = 0; i <= reps; i++)); do
        r=$(run_once "$key" $floor_cmd)
        [ -n "$r" ] || { printf '%-26s floor %s failed:\n' "$name" "$floor_name"; sed 's/^/    /' "$tmp/err"; failures=$((failures + 1)); return 0; }
        f+=("${r% *}"); fb+=("${r#* }")
        [ "$i" -eq "$reps" ] && break
        r=$(run_once "$key" "$@")
        [ -n "$r" ] || { printf '%-26s failed:\n' "$name"; sed 's/^/    /' "$tmp/err"; failures=$((failures + 1)); return 0; }
        m+=("${r% *}"); mb+=("${r#* }")
    done
    local mm fm
    mm=$(median "${m[@]}") fm=$(median "${f[@]}")
    printf '%-26s %9s %-7s %6s x %-13s| runs %s; floor %s (%s)\n' "$name" "$mm" "$unit" \
        "$(awk -v a="$mm" -v b="$fm" 'BEGIN {printf "%.2f", a / b}')" "$floor_name" "$(spread "${m[@]}")" "$fm" "$(spread "${f[@]}")"
    if [ "${mb[0]}" != - ] && [ "${fb[0]}" != - ]; then
        local mbm fbm
        mbm=$(median "${mb[@]}") fbm=$(median "${fb[@]}")
        printf '%-26s %9s %-7s %6s x %-13s| floor %s B/step\n' "" "$mbm" "B/step" \
            "$(awk -v a="$mbm" -v b="$fbm" 'BEGIN {printf "%.2f", a / b}')" "$floor_name" "$fbm"
    fi
}

floor="$bin/xlib_floor $steps"
minimal="$bin/minimal_qt"
window="$bin/window_bench"

echo "Display benchmarks, $reps measured runs each between $((reps + 1)) floor runs; medians, (min-max)"
echo "== Xvfb $xvfb_display, platform xcb"
export DISPLAY=$xvfb_display QT_QPA_PLATFORM=xcb
compare window_run_compmild   us_per_step us/step xlib_floor "$floor" "$window" run compmild
compare window_run_startpoint us_per_step us/step xlib_floor "$floor" "$window" run startpoint
compare window_startup        startup_ms  ms      minimal_qt "$minimal" "$window" startup
compare window_peak_rss       peak_rss_mb MB      minimal_qt "$minimal" "$window" run compmild
# Against another build's window on the same display.
if [ -n "$other" ]; then
    compare window_vs_other_compmild us_per_step us/step other "$(realpath -m "$other/bench/window_bench") run compmild" \
        "$window" run compmild
fi

# Qt's own Wayland platform in weston's headless back end (no X display), against the same
# run on the Xvfb above.
if command -v weston >/dev/null; then
    weston --backend=headless-backend.so --socket=morvanta-paced --idle-time=0 \
        --log="$tmp/weston-paced.log" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/morvanta-paced" ] && break; sleep 0.05; done
    if [ ! -S "$XDG_RUNTIME_DIR/morvanta-paced" ]; then
        echo "== Wayland: weston did not start"; sed 's/^/    /' "$tmp/weston-paced.log" 2>/dev/null || true
    else
        echo "== Wayland (weston headless), platform wayland; against the run on Xvfb $xvfb_display"
        compare wayland_compmild us_per_step us/step x11 \
            "/usr/bin/env DISPLAY=$xvfb_display QT_QPA_PLATFORM=xcb $window run compmild" \
            /usr/bin/env -u DISPLAY WAYLAND_DISPLAY=morvanta-paced QT_QPA_PLATFORM=wayland \
            "$window" run compmild
    fi
else
    echo "== Wayland: skipped (weston not installed)"
fi

# A Wayland desktop: weston's headless back end with XWayland. With no platform chosen the
# program runs on X through XWayland.
if command -v weston >/dev/null && command -v Xwayland >/dev/null; then
    weston --backend=headless-backend.so --xwayland --socket=morvanta-bench --idle-time=0 \
        --log="$tmp/weston.log" >/dev/null 2>&1 &
    pids+=($!)
    wayland_display=
    for _ in $(seq 100); do
        wayland_display=$(grep -o 'xserver listening on display :[0-9]*' "$tmp/weston.log" 2>/dev/null | grep -o ':[0-9]*' || true)
        [ -n "$wayland_display" ] && break
        sleep 0.05
    done
    if [ -z "$wayland_display" ]; then
        echo "== Wayland with XWayland: weston did not start"; sed 's/^/    /' "$tmp/weston.log" 2>/dev/null || true
    else
        echo "== Wayland (weston headless), XWayland $wayland_display, no platform chosen"
        export DISPLAY=$wayland_display WAYLAND_DISPLAY=morvanta-bench
        unset QT_QPA_PLATFORM
        printf '%-26s %s\n' platform_chosen "$("$window" run compmild 0 2>/dev/null | grep -o 'platform=[a-z]*')"
        compare wayland_run_compmild us_per_step us/step xlib_floor "$floor" "$window" run compmild
        unset WAYLAND_DISPLAY
    fi
else
    echo "== Wayland with XWayland: skipped (weston or Xwayland not installed)"
fi

[ "$failures" -eq 0 ]
