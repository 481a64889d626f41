#!/usr/bin/env bash
# Prints the Windows build that Wine can run on this machine: "i686" where 32-bit programs
# run (the product's own build), "x86_64" where the kernel runs no 32-bit programs (32-bit
# emulation switched off), so that only wine64 starts.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo i686
else
  echo x86_64
fi
