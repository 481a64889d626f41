#!/usr/bin/env bash
# Prints the Wine loader for the build that runs on this machine (see wine-arch.sh).
if [ "$("$(dirname "$0")/wine-arch.sh")" = x86_64 ]; then
  echo /usr/lib/wine/wine64
else
  echo wine
fi
