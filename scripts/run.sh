#!/usr/bin/env bash
# Sets up and builds Morvanta (see setup.sh), then starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/ui/morvanta
