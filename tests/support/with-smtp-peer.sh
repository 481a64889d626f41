#!/usr/bin/env bash
# with-smtp-peer.sh COMMAND [ARGS...]
# Runs COMMAND beside the loopback SMTP servers of smtp_peer.py (aiosmtpd and the faulty
# ones) for as long as it runs. QV_SMTP_PORTS holds "name:port" pairs separated by blanks
# ("smtp:40001 silent:40002 ..."), QV_SMTP_SPOOL the folder of the messages they kept, as a
# Wine path (Z:\...). Wine hands both variables on to the program.
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
if [ ! -s "$work/ports" ]; then
  echo "the SMTP peer did not start" >&2
  kill "$peer" 2>/dev/null
  rm -rf "$work"
  exit 1
fi
export QV_SMTP_PORTS=$(awk '{printf "%s%s:%s", (NR > 1 ? " " : ""), $1, $2}' "$work/ports")
export QV_SMTP_SPOOL="Z:$(echo "$work/spool" | tr / '\\')"
"$@"
rc=$?
kill "$peer" 2>/dev/null
wait "$peer" 2>/dev/null
rm -rf "$work"
exit $rc
