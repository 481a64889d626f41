#!/usr/bin/env bash
# Pictures of the program's windows for the documentation, English and French, written under
# docs/. Usage: scripts/screenshots.sh [launcher|monitor|compare|options|minibrowser ...]
# (all of them without an argument). Builds the picture programs, runs each under Wine in a
# virtual desktop (which draws window frames and a taskbar as Windows does) in a fresh test
# prefix on a display of its own, and turns their BMP files into PNG (ImageMagick).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QV_BUILD_DIR:-$root/build}

# name: program and its arguments ({out} is the Windows path of the output folder), desktop size.
program_of() {
  case "$1" in
    launcher) echo "launcher_screenshots.exe {out}|1280x800" ;;
    monitor) echo "monitor_screenshots.exe {out}|1280x800" ;;
    compare) echo "compare_screenshots.exe {out}|840x480" ;;
    options) echo "options_screenshots.exe {out}|1280x800" ;;
    minibrowser) echo "minibrowser_screenshots.exe {out}|1280x800" ;;
    *) echo "unknown pictures: $1" >&2; exit 2 ;;
  esac
}
names=("$@")
[ ${#names[@]} -gt 0 ] || names=(launcher monitor compare options minibrowser)

if [ -z "${QV_WIN32_BIN:-}" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
  arch=win32
  [ "$("$root/tests/support/wine-arch.sh")" = x86_64 ] && arch=win64
  cmake --build "$build" --target "$arch"
  bin=$build/$arch/bin
else
  bin=$QV_WIN32_BIN
fi
work=$(mktemp -d /tmp/qvshots.XXXXXX)
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
"$root/tests/support/xvfb.sh" start 70 "$work/xvfb.pid"
export DISPLAY=$(cat "$work/xvfb.pid.display")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cp "$bin"/*.exe "$work"/
cp "$bin"/*.wav "$work"/ 2>/dev/null || true
wine=$("$root/tests/support/wine-loader.sh")
out="Z:${work//\//\\}\\out"
for name in "${names[@]}"; do
  IFS='|' read -r command size <<<"$(program_of "$name")"
  rm -rf "$work/out" && mkdir -p "$work/out"
  # shellcheck disable=SC2086
  (cd "$work" && "$wine" explorer /desktop=QvShots,"$size" ${command//\{out\}/$out})
  wineserver -w
  for bmp in "$work"/out/*.bmp; do
    convert "$bmp" "$root/docs/$(basename "${bmp%.bmp}").png"
    echo "docs/$(basename "${bmp%.bmp}").png"
  done
done
