#!/usr/bin/env bash
# Installs what is not yet on this Debian 12 or 13 machine, then configures and builds Morvanta in
# ./build (or in $BUILD_DIR). Safe to run again: it installs nothing that is already there and
# rebuilds only what changed.
#   scripts/setup.sh [cmake -D options]           the program: what building and running need
#   scripts/setup.sh --tests [cmake -D options]   also every test, benchmark and their tools
set -euo pipefail
cd "$(dirname "$0")/.."

program_packages=(
    cmake g++ make                    # the toolchain
    qt6-base-dev                      # Qt 6 Widgets
    libxcb1-dev                       # xcb, Qt's own connection to X11, which the window uses
    fonts-ipafont-gothic              # the Gothic faces of the window
    fonts-liberation2                 # the serif face of the plot labels
    fonts-lato                        # the heavy face of the heading
)
test_packages=(
    libgtest-dev libbenchmark-dev     # unit tests and benchmarks
    libx11-dev libxtst-dev            # the bare-Xlib benchmark and the X end-to-end tests (XTest input)
    xvfb xdotool xauth x11-utils      # a real X display for end-to-end tests, and its tools
    openbox                           # a real window manager, for the framed window
    weston qt6-wayland                # a Wayland session without X, for Qt's own Wayland platform
    time                              # /usr/bin/time -v: peak memory in bench/run_all.sh
    dpkg-dev file                     # dpkg-shlibdeps and file: the Debian package's dependencies
    appstream desktop-file-utils      # the validators of the metainfo and the launcher
    valgrind                          # the leak check of a whole session
    clang-format                      # the format check
    lintian                           # Debian's checks of the built package
    at-spi2-core dbus-daemon          # the accessibility bus, on a private session bus
    python3-gi gir1.2-atspi-2.0       # a screen reader's view of the window, read over AT-SPI
    orca                              # the screen reader itself, its debug log as what it says
    python3-markdown                  # the worksheet as one HTML page (docs/lesson.html)
)

tests=OFF
if [ "${1:-}" = "--tests" ]; then
    tests=ON
    shift
fi
packages=("${program_packages[@]}")
[ "$tests" = ON ] && packages+=("${test_packages[@]}")

scripts/install-missing.sh "${packages[@]}"

warnings_as_errors=OFF
[ "${CI:-}" = "true" ] && warnings_as_errors=ON
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DMORVANTA_WARNINGS_AS_ERRORS="$warnings_as_errors" \
      -DBUILD_TESTING="$tests" -DMORVANTA_BUILD_BENCH="$tests" "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
