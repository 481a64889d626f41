#!/usr/bin/env bash
# wine-fonts.sh PREFIX
# Debian's Wine reads fonts only from the prefix's C:\windows\Fonts and the system's
# fontconfig folders, never from the fonts-wine package at /usr/share/wine/fonts. Without
# Marlett there, caption buttons drawn by the system show the letters "0 1 r", and dialogs
# get another font in place of Tahoma. Links the package's fonts into the prefix; fonts the
# prefix already holds are left alone, so a run on an older prefix mends it too.
set -euo pipefail
prefix=$1
source=${QV_WINE_FONTS:-/usr/share/wine/fonts}
fonts=$prefix/drive_c/windows/Fonts
[ -d "$source" ] || { echo "wine-fonts.sh: $source is missing (install fonts-wine)" >&2; exit 1; }
mkdir -p "$fonts"
for f in "$source"/*; do
  name=$(basename "$f")
  [ -e "$fonts/$name" ] || ln -s "$f" "$fonts/$name"
done
