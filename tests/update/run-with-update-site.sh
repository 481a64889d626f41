#!/usr/bin/env bash
# run-with-update-site.sh PRIVATE_KEY SETUP VERSION COMMAND [ARGS...]
# Publishes SETUP as release VERSION with the release tool (signed with PRIVATE_KEY, the build's
# test key) in site "good", derives the faulty sites of the tests from it, serves them on
# loopback as QV_UPDATE_SITE for as long as COMMAND runs, and runs COMMAND.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
key=$1 setup=$2 version=$3
shift 3
work=$(mktemp -d /tmp/qvupdate.XXXXXX)
trap 'kill $peer 2>/dev/null; rm -rf "$work"' EXIT
peer=
s=$work/site
python3 "$here/../../scripts/make-update-site.py" --installer "$setup" --version "$version" --key "$key" \
  --out "$s/good" --news-en "The launcher opens faster." --news-en "Updates are signed." \
  --news-fr "Les mises à jour sont signées." >/dev/null
packed=$(sed -n 's/^File1=\(.*\)\r$/\1/p' "$s/good/current.txt")
# site NAME [SED-EXPRESSION]: a copy of "good", its description edited and signed again.
site() {
  cp -r "$s/good" "$s/$1"
  if [ -n "${2:-}" ]; then
    sed -i "$2" "$s/$1/current.txt"
    openssl dgst -sha256 -sign "$key" -out "$s/$1/current.txt.sig" "$s/$1/current.txt"
  fi
}
# poke FILE OFFSET BYTE
poke() { printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }
site same 's/^Version=1.02/Version=1.01/'
site tampered-installer; poke "$s/tampered-installer/$packed" 17 '\x7a'   # a literal of the stream
site tampered-current; sed -i 's/^Version=1.02/Version=1.03/' "$s/tampered-current/current.txt"
site unsigned; rm "$s/unsigned/current.txt.sig"
site short; truncate -s -1 "$s/short/$packed"
site missing-installer; rm "$s/missing-installer/$packed"
site silent-installer "s/^File1=/File1=silent-/"
site lying-szdd   # its header claims 100 bytes more than the stream gives
python3 -c 'import struct,sys; f=open(sys.argv[1],"r+b"); f.seek(10); n=struct.unpack("<I",f.read(4))[0]
f.seek(10); f.write(struct.pack("<I",n+100))' "$s/lying-szdd/$packed"
half=$(( $(stat -c %s "$s/good/$packed") / 2 ))
site truncated-szdd "s/^Size1=.*/Size1=$half\r/"; truncate -s "$half" "$s/truncated-szdd/$packed"
site traversal 's/^File1=.*/File1=..\\..\\x.exe\r/'; mv "$s/traversal/$packed" "$s/traversal/..\\..\\x.exe"
python3 "$here/../support/update_site_peer.py" --root "$s" --port-file "$work/port" &
peer=$!
for _ in $(seq 200); do [ -s "$work/port" ] && break; sleep 0.05; done
export QV_UPDATE_SITE=http://127.0.0.1:$(cat "$work/port") QV_UPDATE_EXPANDED_SIZE=$(stat -c %s "$setup")
rc=0
"$@" || rc=$?
exit $rc
