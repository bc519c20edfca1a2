#!/usr/bin/env bash
# Builds the Windows edition on Debian 12 or 13 with Debian's mingw-w64 into ./build-win (or
# $WIN_BUILD_DIR): morvanta.exe (one static file), morvanta-cli.exe (its console companion) and
# morvanta-setup.exe (the per-user installer). Installs what is missing first; safe to run
# again.
#   scripts/windows.sh           the two programs and the installer
#   scripts/windows.sh --test    also the tests, run under Wine on a private X display
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build python3
          g++-mingw-w64-x86-64-posix   # the cross compiler, posix threads for std::thread & co
          nsis)                         # the installer
test_packages=(wine wine64            # runs the tests and the program
               googletest             # the unit tests' framework, built for Windows from source
               xvfb xauth xdotool openbox imagemagick x11-utils  # the window's end-to-end test
               g++ qt6-base-dev libxcb1-dev fonts-ipafont-gothic fonts-liberation2)  # Linux's batch, to compare with

tests=OFF
if [ "${1:-}" = "--test" ]; then tests=ON; shift; packages+=("${test_packages[@]}"); fi

scripts/install-missing.sh "${packages[@]}"

warnings_as_errors=OFF
[ "${CI:-}" = "true" ] && warnings_as_errors=ON
build_dir=${WIN_BUILD_DIR:-build-win}
linux_program=()
if [ "$tests" = ON ]; then
    # The Linux program the tests compare with: ./build's if it is there, else one of its own.
    linux=${BUILD_DIR:-build}/ui/qt/morvanta
    if [ ! -x "$linux" ]; then
        cmake -S . -B build-linux-ref -G Ninja -DBUILD_TESTING=OFF -DMORVANTA_BUILD_BENCH=OFF >/dev/null
        cmake --build build-linux-ref -j"$(nproc)" --target morvanta
        linux=build-linux-ref/ui/qt/morvanta
    fi
    linux_program=(-DMORVANTA_LINUX_PROGRAM="$(realpath "$linux")")
fi
cmake -S . -B "$build_dir" -G Ninja --toolchain cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
      -DMORVANTA_WARNINGS_AS_ERRORS="$warnings_as_errors" -DBUILD_TESTING="$tests" \
      -DMORVANTA_BUILD_BENCH=OFF "${linux_program[@]}" "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"

if [ "$tests" = ON ]; then
    # One fresh Wine prefix for this run, removed afterwards.
    WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/morvanta-wine.XXXXXX")
    export WINEPREFIX
    trap '/usr/lib/wine/wineserver -w; rm -rf "$WINEPREFIX"' EXIT
    (cd "$build_dir" && ctest --output-on-failure -j1)
fi

echo "Built:"
for f in morvanta.exe morvanta-cli.exe morvanta-setup.exe; do
    [ -f "$build_dir/$f" ] && echo "  $(realpath "$build_dir/$f")  $(stat -c %s "$build_dir/$f") bytes"
done
