#!/bin/sh
# Installs what the Windows build needs on Debian 12 (as root), on top of
# tools/install-deps.sh: MinGW-w64 to cross-build the .exe files, GoogleTest's
# source to build it for them, and Wine with a virtual display (Xvfb) to run
# the tests, the scenarios and the smoke test on this machine.
set -e
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest \
  libcli11-dev nlohmann-json3-dev \
  wine wine64 fonts-wine fonts-wqy-microhei \
  xvfb xauth xdotool imagemagick python3 \
  >/dev/null
