#!/usr/bin/env bash
# Sets up and builds Morvanta with every test (see setup.sh), checks the formatting and the
# layers (which folder may include which), then runs every test: the whole suite in the
# normal build, then again built with AddressSanitizer and UndefinedBehaviorSanitizer. Tests
# that need an X display start a private Xvfb of their own.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    export XDG_RUNTIME_DIR
fi
chmod 700 "$XDG_RUNTIME_DIR"
jobs=$(nproc)

echo "== Normal build"
scripts/setup.sh --tests
scripts/check-format.sh
scripts/check-layers.sh
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
# The package and the memcheck leak check say nothing new about a sanitized build; leaks
# that Qt and its libraries keep for the whole process are listed in lsan.supp.
BUILD_DIR=build-asan scripts/setup.sh --tests -DMORVANTA_SANITIZE=ON -DMORVANTA_BUILD_BENCH=OFF
LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0" \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE 'packaging|leak|soak'
