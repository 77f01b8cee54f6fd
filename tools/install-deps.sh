#!/bin/sh
# Installs what building and testing trailcfg needs on Debian 12 (as root).
set -e
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
  g++ cmake ninja-build make pkg-config \
  clang libclang-rt-14-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  libcli11-dev nlohmann-json3-dev \
  qt6-base-dev libgl-dev fonts-wqy-microhei \
  dpkg-dev help2man appstream lintian bash-completion \
  python3 \
  >/dev/null
