#!/usr/bin/env bash
# Sets up and builds Morvanta with every test (see setup.sh), checks the formatting and the
# layers (which folder may include which), then runs every test of every edition: the browser
# page is built first (so that the Debian package takes it in), then the whole Linux suite in
# the normal build, again built with AddressSanitizer and UndefinedBehaviorSanitizer, then the
# browser edition's tests (scripts/web.sh --test) and the Windows edition's (scripts/windows.sh
# --test). Tests that need an X display start a private Xvfb of their own.
# The normal build is in ./build, or in $BUILD_DIR (the sanitized one then in $BUILD_DIR-asan,
# the browser's in $BUILD_DIR-web, the Windows one in $BUILD_DIR-win).
# MORVANTA_NORMAL_SUITE_ONLY=1 builds and runs the normal build's suite alone, without the
# format and layer checks and the sanitizer build (scripts/debian13.sh: another release,
# same sources).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    export XDG_RUNTIME_DIR
fi
chmod 700 "$XDG_RUNTIME_DIR"
jobs=$(nproc)
build_dir=${BUILD_DIR:-build}
normal_only=${MORVANTA_NORMAL_SUITE_ONLY:-}

web_page=()
if [ -z "$normal_only" ]; then
    echo "== Browser page"
    WEB_BUILD_DIR=$build_dir-web scripts/web.sh
    web_page=(-DMORVANTA_WEB_PAGE="$PWD/$build_dir-web/ui/web/morvanta.html")
fi

echo "== Normal build"
BUILD_DIR=$build_dir scripts/setup.sh --tests "${web_page[@]}"
[ -n "$normal_only" ] || scripts/check-format.sh
[ -n "$normal_only" ] || scripts/check-layers.sh
ctest --test-dir "$build_dir" --output-on-failure -j"$jobs"
[ -z "$normal_only" ] || exit 0

echo "== Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
# The package and the memcheck leak check say nothing new about a sanitized build; leaks
# that Qt and its libraries keep for the whole process are listed in lsan.supp.
asan_dir=${BUILD_DIR:+$BUILD_DIR-asan}
asan_dir=${asan_dir:-build-asan}
BUILD_DIR=$asan_dir scripts/setup.sh --tests -DMORVANTA_SANITIZE=ON -DMORVANTA_BUILD_BENCH=OFF
LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0" \
    ctest --test-dir "$asan_dir" --output-on-failure -j"$jobs" -LE 'packaging|leak|soak'

echo "== Browser edition"
BUILD_DIR=$build_dir WEB_BUILD_DIR=$build_dir-web scripts/web.sh --test

echo "== Windows edition"
BUILD_DIR=$build_dir WIN_BUILD_DIR=$build_dir-win scripts/windows.sh --test
