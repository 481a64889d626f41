#!/usr/bin/env bash
# Installs everything the build, the program and the tests need on a fresh Debian machine.
# Safe to run again: it installs only what is missing.
set -euo pipefail

need=(cmake ninja-build g++ g++-mingw-w64-i686 g++-mingw-w64-x86-64 googletest xvfb xauth x11-apps imagemagick xdotool
      wine wine32:i386 wine64 fonts-wine python3 python3-aiosmtpd mscompress nsis openssl urlwatch bc)

missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
