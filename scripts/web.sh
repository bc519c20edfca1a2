#!/usr/bin/env bash
# Builds the browser edition, one self-contained page: build-web/ui/web/morvanta.html (open it
# from disk, no server needed). Installs what is missing first (Debian 12 or 13). Safe to run
# again.
#   scripts/web.sh           the page
#   scripts/web.sh --test    also the unit tests as wasm, run under node, and the page's tests
#                            in headless Chromium (they compare with the batch program in
#                            ./build or $BUILD_DIR, built here with scripts/setup.sh when it
#                            is missing); the page is built in ./build-web or $WEB_BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."

test=false
[ "${1:-}" = "--test" ] && test=true
packages=(emscripten nodejs python3 cmake ninja-build googletest)
$test && packages+=(chromium npm)
# A node of one's own (not Debian's) will do for everything but emcc's optimiser, which
# imports Debian's acorn from /usr/share/nodejs.
command -v node >/dev/null && packages=("${packages[@]/nodejs}")
command -v npm >/dev/null && packages=("${packages[@]/npm}")
read -r -a packages <<< "${packages[*]}"
scripts/install-missing.sh "${packages[@]}"
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

warnings_as_errors=OFF
[ "${CI:-}" = "true" ] && warnings_as_errors=ON
build_dir=${WEB_BUILD_DIR:-build-web}
# node >= 18 makes emscripten 3.1.6's loader fetch() a file path; without fetch it reads it.
emcmake cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMORVANTA_BUILD_UI=OFF -DMORVANTA_BUILD_BENCH=OFF -DBUILD_TESTING="$($test && echo ON || echo OFF)" \
    -DMORVANTA_WARNINGS_AS_ERRORS="$warnings_as_errors" \
    "-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node);--no-experimental-fetch" >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target morvanta_web
page="$PWD/$build_dir/ui/web/morvanta.html"
echo "The page: $page ($(stat -c %s "$page") bytes, $(gzip -9c "$page" | wc -c) gzipped)"
$test || exit 0

cmake --build "$build_dir" -j"$(nproc)" --target model_tests plot_tests driver_tests command_line_test session_tests
ctest --test-dir "$build_dir" -E 'layer_check' --output-on-failure -j"$(nproc)"

batch="$PWD/${BUILD_DIR:-build}/ui/qt/morvanta"
[ -x "$batch" ] || scripts/setup.sh
(cd tests/web && npm ci --no-audit --no-fund && MORVANTA_PAGE="$page" MORVANTA_BATCH="$batch" node --test)
