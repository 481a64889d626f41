#!/usr/bin/env bash
# run-update-wine-test.sh PRIVATE_KEY COMMAND [ARGS...]
# Builds the test update sites signed with PRIVATE_KEY, serves them on loopback for as long as
# COMMAND runs (QV_UPDATE_SITE holds "http://127.0.0.1:PORT"), and runs COMMAND.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
key=$1
shift
work=$(mktemp -d /tmp/qvupdate.XXXXXX)
if ! "$here/make-update-site.sh" "$key" "$work/site"; then
  echo "could not build the update sites" >&2
  rm -rf "$work"
  exit 1
fi
/usr/bin/python3 "$here/../support/update_site_peer.py" --root "$work/site" --port-file "$work/port" &
peer=$!
for _ in $(seq 200); do
  [ -s "$work/port" ] && break
  kill -0 "$peer" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$work/port" ]; then
  echo "the update site did not start" >&2
  kill "$peer" 2>/dev/null
  rm -rf "$work"
  exit 1
fi
export QV_UPDATE_SITE=http://127.0.0.1:$(cat "$work/port")
export QV_UPDATE_EXPANDED_SIZE=$(cat "$work/site/expanded-size.txt")
"$@"
rc=$?
kill "$peer" 2>/dev/null
wait "$peer" 2>/dev/null
rm -rf "$work"
exit $rc
