#!/usr/bin/env bash
# Sets up and builds Morvanta (see setup.sh), then runs every test. Tests that need a real
# X display get a private Xvfb when none is given.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir build --output-on-failure -j"$(nproc)"
