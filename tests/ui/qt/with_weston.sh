#!/usr/bin/env bash
# Runs a command in a private Wayland session of its own (weston's headless back end, no X
# display) and stops the compositor afterwards. MORVANTA_WESTON_IDLE_TIME sets the seconds
# without input after which its screen sleeps (never, unless given).
# Usage: with_weston.sh COMMAND [ARGS...]
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket=wayland-test --idle-time=${MORVANTA_WESTON_IDLE_TIME:-0} \
    --log="$runtime/weston.log" >/dev/null 2>&1 &
weston=$!
for _ in $(seq 1200); do  # up to a minute on a busy machine
    [ -S "$runtime/wayland-test" ] && break
    sleep 0.05
done
[ -S "$runtime/wayland-test" ] || { echo "weston did not start:"; cat "$runtime/weston.log"; exit 1; }
unset DISPLAY
export WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
"$@"
