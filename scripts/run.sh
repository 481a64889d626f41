#!/usr/bin/env bash
# Installs what is missing, builds Quorvane and starts it under Wine in a virtual desktop
# with a taskbar, so that the tray icon and the launcher can be seen and used. Without a
# display of your own it starts one (Xvfb on :42); look at it with any VNC-less screenshot,
# e.g.  DISPLAY=:42 import -window root shot.png
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
build=${QV_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
# The product is the 32-bit build; where this machine runs no 32-bit programs, the same code
# built for 64-bit Windows runs instead (wine64).
if [ "$("$root/tests/support/wine-arch.sh")" = x86_64 ]; then
  cmake --build "$build" --target win64
  bin=$build/win64/bin
else
  cmake --build "$build" --target win32
  bin=$build/win32/bin
fi
wine=$("$root/tests/support/wine-loader.sh")

export WINEPREFIX=${QV_WINEPREFIX:-$HOME/.local/share/quorvane/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$wine" wineboot -i >/dev/null 2>&1
  wineserver -w
fi
bash "$root/scripts/wine-fonts.sh" "$WINEPREFIX"
# Wine gives a named virtual desktop its taskbar (and so the notification area) only when asked.
"$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops\Quorvane' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1 || true
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:42
  if [ ! -e /tmp/.X11-unix/X42 ]; then
    setsid Xvfb :42 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 < /dev/null &
    sleep 1
  fi
  echo "Quorvane runs on the virtual display $DISPLAY (screenshot: DISPLAY=$DISPLAY import -window root shot.png)"
fi
exec "$wine" explorer /desktop=Quorvane,1280x800 "$bin/Quorvane.exe" "$@"
