#!/usr/bin/env bash
# start BASE PIDFILE | stop PIDFILE: the virtual display the Wine tests draw on.
# start takes the first free display number from BASE up and writes it (":N") to PIDFILE.display.
set -euo pipefail
case $1 in
  start)
    num=$2 pidfile=$3
    [ -f "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null || true
    while :; do
      lock=/tmp/.X${num}-lock
      if [ -e "$lock" ]; then
        owner=$(tr -d ' ' < "$lock" 2>/dev/null || true)
        if [ -n "$owner" ] && kill -0 "$owner" 2>/dev/null; then
          num=$((num + 1)); continue   # a live server holds it
        fi
        rm -f "$lock" "/tmp/.X11-unix/X${num}"
      fi
      break
    done
    setsid Xvfb ":$num" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 < /dev/null &
    echo $! > "$pidfile"
    echo ":$num" > "$pidfile.display"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X${num}" ] && exit 0
      sleep 0.1
    done
    echo "Xvfb :$num did not start" >&2; exit 1 ;;
  stop)
    pidfile=$2
    [ -f "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null || true
    rm -f "$pidfile" "$pidfile.display" ;;
esac
