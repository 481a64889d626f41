#!/usr/bin/env bash
# Builds and runs the benchmarks, printing their figures: the native ones directly, the
# Win32 ones under Wine in a fresh prefix on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
build=${QV_BENCH_DIR:-$root/build-bench}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_SANITIZE=OFF >/dev/null
cmake --build "$build"
for bench in "$build"/bin/*_benchmark; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench"
done
"$root/tests/support/make-wineprefix.sh" "$build/wineprefix-template"
"$root/tests/support/xvfb.sh" start 97 "$build/xvfb.pid"
export QV_DISPLAY_FILE=$build/xvfb.pid.display
bin=$build/win32/bin
[ "$("$root/tests/support/wine-arch.sh")" = x86_64 ] && bin=$build/win64/bin
for bench in startup_bench launcher_open_bench monitor_open_bench options_open_bench; do
  echo "== $bench (under Wine)"
  "$root/tests/support/wine-run.sh" "$build/wineprefix-template" "$bin" "$bench.exe" || true
done
echo "== webalert check of 499 slow pages"
bash "$root/scripts/webalert-bench.sh" "$build"
"$root/tests/support/xvfb.sh" stop "$build/xvfb.pid"
