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
cmake --build "$build" --target win32

export WINEPREFIX=${QV_WINEPREFIX:-$HOME/.local/share/quorvane/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
bash "$root/scripts/wine-fonts.sh" "$WINEPREFIX"
# Wine gives a named virtual desktop its taskbar (and so the notification area) only when asked.
wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Quorvane' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1 || true
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:42
  if [ ! -e /tmp/.X11-unix/X42 ]; then
    setsid Xvfb :42 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 < /dev/null &
    sleep 1
  fi
  echo "Quorvane runs on the virtual display $DISPLAY (screenshot: DISPLAY=$DISPLAY import -window root shot.png)"
fi
exec wine explorer /desktop=Quorvane,1280x800 "$build/win32/bin/Quorvane.exe" "$@"
