#!/bin/sh
# Installs what the browser edition needs on Debian 12 (as root): Emscripten to
# build it, Chromium to test it headless, and Python's WebSocket client, which
# the tests use to talk the DevTools protocol to that Chromium.
set -e
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
  emscripten chromium python3 python3-websocket \
  fonts-wqy-microhei \
  >/dev/null
