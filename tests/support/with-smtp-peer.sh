#!/usr/bin/env bash
# with-smtp-peer.sh COMMAND [ARGS...]
# Runs COMMAND beside the loopback SMTP servers of smtp_peer.py. QV_SMTP_PORTS holds
# "name:port" pairs separated by blanks, QV_SMTP_SPOOL the folder of the kept messages as a
# Wine path (Z:\...).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/qvsmtp.XXXXXX)
# Debian's interpreter, which has aiosmtpd; "python3" on the path may be another.
/usr/bin/python3 "$here/smtp_peer.py" --port-file "$work/ports" --spool "$work/spool" &
peer=$!
for _ in $(seq 200); do
  [ -s "$work/ports" ] && break
  kill -0 "$peer" 2>/dev/null || break
  sleep 0.05
done
if [ -s "$work/ports" ]; then
  export QV_SMTP_PORTS=$(awk '{printf "%s:%s ", $1, $2}' "$work/ports")
  export QV_SMTP_SPOOL="Z:$(echo "$work/spool" | tr / '\\')"
  "$@"
  rc=$?
else
  echo "the SMTP peer did not start" >&2
  rc=1
fi
kill "$peer" 2>/dev/null
wait "$peer" 2>/dev/null
rm -rf "$work"
exit $rc
