#!/usr/bin/env bash
# wine-run.sh TEMPLATE BINDIR PROGRAM [ARGS...]
# Runs one Win32 test program under Wine in its own copy of the test prefix, on the shared
# virtual display, and ends that prefix's wineserver afterwards. The big system folders are
# hard-linked (nothing writes them); everything else is copied so that tests stay apart.
set -uo pipefail
wine=${QV_WINE:-$("$(cd "$(dirname "$0")" && pwd)/wine-loader.sh")}
template=$1 bindir=$2 program=$3
shift 3
work=$(mktemp -d /tmp/qvwine.XXXXXX)
prefix=$work/prefix
cp -al "$template" "$prefix"
(cd "$template" && find . -type f -not -path './drive_c/windows/system32/*' \
   -not -path './drive_c/windows/syswow64/*' -print0) |
  while IFS= read -r -d '' f; do cp -p --remove-destination "$template/$f" "$prefix/$f"; done
# dosdevices links are relative to the prefix and survive the copy.
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
if [ -n "${QV_DISPLAY_FILE:-}" ] && [ -f "$QV_DISPLAY_FILE" ]; then
  export DISPLAY=$(cat "$QV_DISPLAY_FILE")
else
  export DISPLAY=${QV_TEST_DISPLAY:-:91}
fi
export QV_BINDIR=$bindir
cp "$bindir"/*.exe "$work"/ 2>/dev/null
cd "$work"
"$wine" "$work/$program" "$@"
rc=$?
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
rm -rf "$work"
exit $rc
