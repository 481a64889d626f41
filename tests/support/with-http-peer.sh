#!/usr/bin/env bash
# with-http-peer.sh COMMAND [ARGS...]
# Runs COMMAND with an HTTP peer (http_peer.py) listening on loopback for as long as it runs;
# QV_HTTP_PEER holds the peer's "127.0.0.1:PORT". Wine hands the variable on to the program.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
portfile=$(mktemp -u /tmp/qvpeer.XXXXXX)
/usr/bin/python3 "$here/http_peer.py" --port-file "$portfile" &
peer=$!
for _ in $(seq 200); do
  [ -s "$portfile" ] && break
  kill -0 "$peer" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$portfile" ]; then
  echo "the HTTP peer did not start" >&2
  kill "$peer" 2>/dev/null
  exit 1
fi
export QV_HTTP_PEER=127.0.0.1:$(cat "$portfile")
"$@"
rc=$?
kill "$peer" 2>/dev/null
wait "$peer" 2>/dev/null
rm -f "$portfile"
exit $rc
