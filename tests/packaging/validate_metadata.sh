#!/usr/bin/env bash
# Checks the launcher and the AppStream metainfo (as configured with the project's version)
# with the freedesktop validators, as a software centre or a distribution's checks would.
# Usage: validate_metadata.sh DESKTOP_FILE METAINFO_FILE
set -uo pipefail
desktop=${1:?usage: validate_metadata.sh DESKTOP_FILE METAINFO_FILE}
metainfo=${2:?usage: validate_metadata.sh DESKTOP_FILE METAINFO_FILE}
status=0

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is not installed (scripts/setup.sh installs desktop-file-utils and appstream)"
        exit 1
    fi
done

if ! desktop-file-validate "$desktop"; then
    echo "FAIL: desktop-file-validate rejects $desktop"
    status=1
fi

# The component id is the desktop file's name, "morvanta", as the program reports it to the
# desktop (setDesktopFileName); it is not a reverse domain name, which this validator warns
# about. That one warning is shown as information; any other warning or error fails.
if ! appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
        "$metainfo"; then
    echo "FAIL: appstreamcli rejects $metainfo"
    status=1
fi

[ "$status" -eq 0 ] && echo "OK: launcher and metainfo are valid"
exit "$status"
