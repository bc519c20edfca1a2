#!/usr/bin/env bash
# The whole normal suite with warnings as errors in a Debian 13 root, as CI runs it after the
# Debian 12 run (scripts/debian-root.sh; the root is /var/tmp/morvanta-debian13 unless
# $MORVANTA_DEBIAN13_ROOT names another). The format check and the sanitizer build are Debian
# 12's, and so are the browser and Windows editions, whose toolchains are Debian 12's.
#   scripts/debian13.sh              the build and the suite
#   scripts/debian13.sh COMMAND...   COMMAND in the repository inside the root instead
set -euo pipefail
export MORVANTA_ROOT=${MORVANTA_DEBIAN13_ROOT:-/var/tmp/morvanta-debian13}
export MORVANTA_ROOT_BUILD_DIR=build-debian13
[ $# -gt 0 ] || export MORVANTA_NORMAL_SUITE_ONLY=1
exec "$(dirname "$0")/debian-root.sh" trixie "$@"
