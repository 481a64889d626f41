#!/usr/bin/env bash
# run-road-test.sh PRIVATE_KEY SETUP VERSION COMMAND [ARGS...]
# Publishes SETUP (the next release's installer) as an update site with the release tool,
# signed with PRIVATE_KEY (the build's test key, which the tested program trusts), serves it on
# loopback as QV_UPDATE_SITE/road for as long as COMMAND runs, and runs COMMAND.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
key=$1 setup=$2 version=$3
shift 3
work=$(mktemp -d /tmp/qvroad.XXXXXX)
if ! /usr/bin/python3 "$here/../../scripts/make-update-site.py" --installer "$setup" --version "$version" \
     --key "$key" --out "$work/site/road" \
     --news-en "The launcher opens faster." --news-en "Updates are signed." \
     --news-fr "Le lanceur s'ouvre plus vite." --news-fr "Les mises à jour sont signées." >/dev/null; then
  echo "could not build the update site" >&2
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
"$@"
rc=$?
kill "$peer" 2>/dev/null
wait "$peer" 2>/dev/null
rm -rf "$work"
exit $rc
