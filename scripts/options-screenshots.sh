#!/usr/bin/env bash
# Pictures of the options sheet for the documentation: its three pages, the tray-click dialog
# and the engine editor, in English and French, written as docs/options-*.png and
# docs/engine-editor-*.png. Builds the Win32 programs, runs options_screenshots under Wine in a virtual desktop (which
# draws window frames and a taskbar as Windows does) in a fresh test prefix on a display of its
# own, and turns its BMP files into PNG (ImageMagick).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QV_BUILD_DIR:-$root/build}
if [ -z "${QV_WIN32_BIN:-}" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
  if [ "$("$root/tests/support/wine-arch.sh")" = x86_64 ]; then
    cmake --build "$build" --target win64
    bin=$build/win64/bin
  else
    cmake --build "$build" --target win32
    bin=$build/win32/bin
  fi
else
  bin=$QV_WIN32_BIN
fi
work=$(mktemp -d /tmp/qvoptshots.XXXXXX)
cleanup() {
  WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
  "$root/tests/support/xvfb.sh" stop "$work/xvfb.pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
if [ -n "${QV_TEST_PREFIX:-}" ]; then
  cp -a "$QV_TEST_PREFIX" "$work/prefix"
else
  "$root/tests/support/make-wineprefix.sh" "$work/prefix" >/dev/null
fi
"$root/tests/support/xvfb.sh" start 71 "$work/xvfb.pid"
export DISPLAY=$(cat "$work/xvfb.pid.display")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cp "$bin"/*.exe "$work"/
mkdir -p "$work/out"
wine=$("$root/tests/support/wine-loader.sh")
(cd "$work" && "$wine" explorer /desktop=QvOptionShots,1280x800 options_screenshots.exe "Z:${work//\//\\}\\out")
wineserver -w
for bmp in "$work"/out/*.bmp; do
  convert "$bmp" "$root/docs/$(basename "${bmp%.bmp}").png"
  echo "docs/$(basename "${bmp%.bmp}").png"
done
