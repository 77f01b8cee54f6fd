#!/bin/sh
# Installs what the browser edition needs on Debian 12 (as root): Emscripten to
# build it, and terser to shorten the program's script; the three engines its
# tests run in (headless Chromium, Firefox ESR, and WebKitGTK's MiniBrowser
# started by WebKitWebDriver on an Xvfb screen);
# Python's WebSocket client, which talks the DevTools protocol to Chromium and
# WebDriver BiDi to Firefox; and the Chinese locale, from which WebKitGTK takes
# navigator.language for the Chinese runs.
set -e
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
  emscripten chromium python3 python3-websocket \
  firefox-esr webkit2gtk-driver xvfb xauth locales terser \
  fonts-wqy-microhei \
  >/dev/null
locale -a | grep -qi '^zh_CN\.utf-\?8$' || localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
