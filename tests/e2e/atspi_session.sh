#!/usr/bin/env bash
# Runs a command on a private X display (with_xvfb.sh) with a private session bus of its own,
# which starts the accessibility bus and registry of at-spi2-core on demand, as a desktop
# session does for a screen reader.
# Usage: atspi_session.sh COMMAND [ARGS...]
set -euo pipefail
here=$(dirname "$0")
exec "$here/with_xvfb.sh" dbus-run-session -- "$@"
