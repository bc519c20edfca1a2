#!/usr/bin/env bash
# Installs, with apt-get (as root, or through sudo), those of the Debian packages named that are
# not installed yet; with all of them there it does nothing, not even an update. The one check
# every set-up script uses (setup.sh, web.sh, windows.sh).
#   scripts/install-missing.sh PACKAGE...
#   scripts/install-missing.sh --missing-of PACKAGE... < dpkg-query output
#       prints those that the status lines ("PACKAGE STATUS") do not show installed (tests)
set -euo pipefail

# Prints each package named that the status lines on standard input (dpkg-query's
# "PACKAGE STATUS", e.g. "fonts-lato install ok installed") do not show installed, one a line.
missing_packages() {
    local status
    status=$(cat)
    for p in "$@"; do
        grep -qx "$p install ok installed" <<<"$status" || echo "$p"
    done
}
if [ "${1:-}" = "--missing-of" ]; then
    shift
    missing_packages "$@"
    exit 0
fi
[ $# -gt 0 ] || exit 0

mapfile -t missing < <(dpkg-query -W -f='${Package} ${Status}\n' "$@" 2>/dev/null |
                       missing_packages "$@")
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
