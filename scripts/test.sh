#!/usr/bin/env bash
# Sets up and builds Morvanta (see setup.sh), then runs every test: the whole suite in the
# normal build, then again built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Tests that need an X display start a private Xvfb of their own.
set -euo pipefail
cd "$(dirname "$0")/.."

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
jobs=$(nproc)

echo "== Normal build"
scripts/setup.sh
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
# The package and the memcheck leak check say nothing new about a sanitized build; leaks
# that Qt and its libraries keep for the whole process are listed in lsan.supp.
BUILD_DIR=build-asan scripts/setup.sh -DMORVANTA_SANITIZE=ON -DMORVANTA_BUILD_BENCH=OFF
LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0" \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE 'packaging|leak|soak'
