#!/bin/sh
# Runs a Windows program under Wine for the cross build's tests: quiet, 64-bit loader, and a
# prefix of its own ($WINEPREFIX when set, else one beside this build's files) so that no
# user's ~/.wine is touched.
: "${WINEPREFIX:=${TMPDIR:-/tmp}/morvanta-wine-$(id -u)}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" 
exec /usr/lib/wine/wine64 "$@"
