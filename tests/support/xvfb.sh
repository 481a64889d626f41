#!/usr/bin/env bash
# start DISPLAYNUM PIDFILE | stop PIDFILE: the virtual display the Wine tests draw on.
set -euo pipefail
case $1 in
  start)
    num=$2 pidfile=$3
    [ -f "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null || true
    rm -f "/tmp/.X${num}-lock" "/tmp/.X11-unix/X${num}"
    setsid Xvfb ":$num" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 < /dev/null &
    echo $! > "$pidfile"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X${num}" ] && exit 0
      sleep 0.1
    done
    echo "Xvfb :$num did not start" >&2; exit 1 ;;
  stop)
    pidfile=$2
    [ -f "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null || true
    rm -f "$pidfile" ;;
esac
