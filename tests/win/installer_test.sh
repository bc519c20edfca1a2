#!/usr/bin/env bash
# The installer under Wine: a silent per-user install puts the program, its companion, the
# uninstaller, a Start-menu shortcut and an uninstall entry of the right version; the silent
# uninstall leaves none of them.
#   installer_test.sh WINE SETUP.exe VERSION
set -uo pipefail
wine=$1 setup=$2 version=$3
: "${WINEPREFIX:?the test runs in the prefix of its run}"
wineserver=/usr/lib/wine/wineserver
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvanta'
failures=0
check() {
    local what=$1; shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

"$wine" "$setup" /S
"$wineserver" -w  # the installer's children, if any, are done too
user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)
install_dir="$user_dir/AppData/Local/Programs/Morvanta"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Morvanta.lnk"
for f in morvanta.exe morvanta-cli.exe uninstall.exe; do
    check "installed $f" test -f "$install_dir/$f"
done
check "the Start-menu shortcut" test -f "$shortcut"
check "the uninstall entry has version $version" \
    sh -c "'$wine' reg query '$key' /v DisplayVersion 2>/dev/null | tr -d '\r' | grep -q '$version\$'"

"$wine" "$install_dir/uninstall.exe" /S
"$wineserver" -w  # the uninstaller runs from a copy of itself and returns at once
check "the program's folder is gone" test ! -e "$install_dir"
check "the shortcut is gone" test ! -e "$shortcut"
check "the uninstall entry is gone" sh -c "! '$wine' reg query '$key' >/dev/null 2>&1"
exit $((failures > 0))
