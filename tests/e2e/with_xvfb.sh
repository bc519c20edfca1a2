#!/usr/bin/env bash
# Runs a command on a private Xvfb display of its own and stops the display afterwards.
# Usage: with_xvfb.sh COMMAND [ARGS...]
# MORVANTA_XVFB_DEPTH sets the screen's colour depth (24 unless given), MORVANTA_XVFB_SIZE its
# size (1280x1024 unless given).
set -euo pipefail
runtime=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$runtime"' EXIT
# -displayfd makes Xvfb pick a free display number and write it when it is ready;
# -noreset keeps it up when its last client leaves between two tests.
Xvfb -displayfd 3 -screen 0 "${MORVANTA_XVFB_SIZE:-1280x1024}x${MORVANTA_XVFB_DEPTH:-24}" -nolisten tcp -noreset 3>"$runtime/display" 2>"$runtime/xvfb.log" &
xvfb=$!
for _ in $(seq 1200); do  # up to a minute on a busy machine
    [ -s "$runtime/display" ] && break
    sleep 0.05
done
[ -s "$runtime/display" ] || { echo "Xvfb did not start:"; cat "$runtime/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$runtime/display")"
export XDG_RUNTIME_DIR="$runtime"
export QT_QPA_PLATFORM=xcb
"$@"
