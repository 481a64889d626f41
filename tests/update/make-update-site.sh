#!/usr/bin/env bash
# make-update-site.sh PRIVATE_KEY SITE_DIR
# Builds the update sites of the Wine tests, one folder per case, signed with PRIVATE_KEY (the
# build's test key, whose public half the tested program trusts). The "installer" is a plain
# file of text; the tests only check what reaches the updater.
set -euo pipefail
key=$1 site=$2
rm -rf "$site"
mkdir -p "$site"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# An installer of about 40 KB, compressed as the release tool does.
python3 -c '
import sys
lines = ["Quorvane setup stand-in, line %05d: the quick brown fox jumps over the lazy dog\r\n" % i for i in range(480)]
sys.stdout.write("".join(lines))' > "$work/setup.exe"
mscompress "$work/setup.exe"
compressed="$work/setup.exe_"
sha=$(sha256sum "$work/setup.exe" | cut -d' ' -f1)
size() { stat -c %s "$1"; }

# description FOLDER VERSION FILE1 SIZE1 SHA [extra lines...]
description() {
  local dir=$1 version=$2 file=$3 size1=$4 hash=$5
  shift 5
  {
    printf '[Version]\r\n'
    printf 'Version=%s\r\n' "$version"
    printf 'File1=%s\r\n' "$file"
    printf 'Size1=%s\r\n' "$size1"
    printf 'Sha256_1=%s\r\n' "$hash"
    printf 'ENNewsLine=2\r\nENNews1=New: signed updates.\r\nENNews2=Fixed: the launcher remembers its edge.\r\n'
    printf 'FRNewsLine=1\r\nFRNews1=Nouveau : mises \xe0 jour sign\xe9es.\r\n'
    for line in "$@"; do printf '%s\r\n' "$line"; done
  } > "$dir/current.txt"
}
sign() { openssl dgst -sha256 -sign "$key" -out "$1/current.txt.sig" "$1/current.txt"; }

# good: a newer version, everything right.
mkdir "$site/good"
cp "$compressed" "$site/good/quorvane-102.ex_"
description "$site/good" "1.02 14-06-2004" quorvane-102.ex_ "$(size "$compressed")" "$sha"
sign "$site/good"

# same: the program's own version with another date.
mkdir "$site/same"
description "$site/same" "1.01 14-06-2004" quorvane-102.ex_ "$(size "$compressed")" "$sha"
sign "$site/same"

# tampered-installer: a signed description, but the installer is not the one it names.
mkdir "$site/tampered-installer"
sed 's/quick brown fox/quick BROWN fox/' "$work/setup.exe" > "$work/other.exe"
mscompress "$work/other.exe"
cp "$work/other.exe_" "$site/tampered-installer/quorvane-102.ex_"
description "$site/tampered-installer" "1.02 14-06-2004" quorvane-102.ex_ "$(size "$work/other.exe_")" "$sha"
sign "$site/tampered-installer"

# tampered-current: changed after signing.
mkdir "$site/tampered-current"
cp -r "$site/good/." "$site/tampered-current/"
sed -i 's/^Version=1.02/Version=1.03/' "$site/tampered-current/current.txt"

# unsigned: no signature beside the description.
mkdir "$site/unsigned"
cp "$site/good/current.txt" "$site/good/quorvane-102.ex_" "$site/unsigned/"

# short: the installer one byte short of Size1.
mkdir "$site/short"
cp "$site/good/current.txt" "$site/good/current.txt.sig" "$site/short/"
head -c $(( $(size "$compressed") - 1 )) "$compressed" > "$site/short/quorvane-102.ex_"

# missing-current and missing-installer: 404 for either file.
mkdir "$site/missing-current"
mkdir "$site/missing-installer"
cp "$site/good/current.txt" "$site/good/current.txt.sig" "$site/missing-installer/"

# silent-installer: the installer's request is never answered.
mkdir "$site/silent-installer"
description "$site/silent-installer" "1.02 14-06-2004" silent-quorvane-102.ex_ "$(size "$compressed")" "$sha"
sign "$site/silent-installer"

# lying-szdd: the SZDD header claims 100 bytes more than the data gives.
mkdir "$site/lying-szdd"
python3 - "$compressed" "$site/lying-szdd/quorvane-102.ex_" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
length = struct.unpack_from("<I", data, 10)[0]
struct.pack_into("<I", data, 10, length + 100)
open(sys.argv[2], "wb").write(data)
PY
description "$site/lying-szdd" "1.02 14-06-2004" quorvane-102.ex_ "$(size "$site/lying-szdd/quorvane-102.ex_")" "$sha"
sign "$site/lying-szdd"

# truncated-szdd: half of the compressed file, announced and signed as it is.
mkdir "$site/truncated-szdd"
head -c $(( $(size "$compressed") / 2 )) "$compressed" > "$site/truncated-szdd/quorvane-102.ex_"
description "$site/truncated-szdd" "1.02 14-06-2004" quorvane-102.ex_ "$(size "$site/truncated-szdd/quorvane-102.ex_")" "$sha"
sign "$site/truncated-szdd"

# traversal: File1 climbs out of the folder; it is only a name on the site.
mkdir "$site/traversal"
cp "$compressed" "$site/traversal/..\\..\\x.exe"
description "$site/traversal" "1.02 14-06-2004" '..\..\x.exe' "$(size "$compressed")" "$sha"
sign "$site/traversal"

# bignews: 500 English news lines of 2000 characters.
mkdir "$site/bignews"
extra=("ENNewsLine=500")
for i in $(seq 1 500); do extra+=("ENNews$i=$(printf "%04d" "$i")$(head -c 1996 /dev/zero | tr '\0' 'n')"); done
description "$site/bignews" "1.02 14-06-2004" quorvane-102.ex_ "$(size "$compressed")" "$sha"
# The first count wins in a profile file: drop the two-line block of the template.
LC_ALL=C grep -a -v '^ENNews[12]=\|^ENNewsLine=2' "$site/bignews/current.txt" > "$work/bignews.txt"
printf '%s\r\n' "${extra[@]}" >> "$work/bignews.txt"
mv "$work/bignews.txt" "$site/bignews/current.txt"
sign "$site/bignews"
cp "$compressed" "$site/bignews/quorvane-102.ex_"

# What the tests compare against.
printf '%s\n' "$(size "$work/setup.exe")" > "$site/expanded-size.txt"
