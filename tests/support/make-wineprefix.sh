#!/usr/bin/env bash
# Makes the Wine prefix that every Wine test copies: fresh for each test run, never the user's.
set -euo pipefail
prefix=$1
rm -rf "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=${QV_WINE:-$("$(dirname "$0")/wine-loader.sh")}
"$wine" wineboot -i >/dev/null 2>&1
wineserver -w
bash "$(dirname "$0")/../../scripts/wine-fonts.sh" "$prefix"
test -f "$prefix/system.reg"
