#!/usr/bin/env bash
# Installs what building and running Morvanta need, builds the program alone (see setup.sh),
# then starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/ui/qt/morvanta "$@"
