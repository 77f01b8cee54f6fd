#!/bin/bash
# Takes the README's screenshots of the desktop program: each page it can
# reach, as real windows on a virtual X display with a window manager.
#
#   tests/port/qt_screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build/default (the program is BUILD_DIR/bin/trailcfg),
# OUT_DIR to docs/screenshots. Needs xvfb-run, openbox, xdotool and
# ImageMagick (apt-get install xvfb openbox xdotool imagemagick).
#
# Besides the README's pictures (a 1024 x 768 screen), every page on the two
# most common laptop screens: 1366 x 768 at 100 % (qt-1366x768-*) and
# 1920 x 1080 at 150 % (qt-1920x1080-150-*), top and, where the page scrolls,
# bottom (Shift+Tab from the first field goes to the last control, which the
# page scrolls into view). A Chinese page that shows boxes instead of
# characters fails the run (tools/cjk-check.py).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
program=$(realpath "${1:-$root/build/default}")/bin/trailcfg
out=$(realpath -m "${2:-$root/docs/screenshots}")
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shot NAME LOCALE KEYS...: starts the program in LOCALE, presses KEYS on the
# start page (none: the start page itself), and saves the window on top.
# SCREEN (WIDTHxHEIGHT) and SCALE (Qt's scale factor) say the display.
SCREEN=1024x768
SCALE=1
shot() {
    local name=$1 locale=$2
    shift 2
    xvfb-run -a -s "-screen 0 ${SCREEN}x24" bash -s "$program" "$locale" "$work" "$out/$name.png" "$SCALE" "$@" <<'EOS'
program=$1 locale=$2 work=$3 png=$4 scale=$5
shift 5
openbox >/dev/null 2>&1 &
sleep 1
(cd "$work" && LANG=$locale LC_ALL=$locale QT_SCALE_FACTOR=$scale "$program" >/dev/null 2>&1) &
pid=$!
for _ in $(seq 50); do xdotool search --onlyvisible --class trailcfg >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
if [ $# -gt 0 ]; then xdotool key --delay 150 "$@"; sleep 1.5; fi
import -window root "$png.full.png"
kill $pid 2>/dev/null || true
convert "$png.full.png" -trim +repage "$png"
rm -f "$png.full.png"
EOS
    case $locale in zh*) "$root/tools/cjk-check.py" "$out/$name.png" ;; esac
    echo "$out/$name.png"
}

# Tab order of the start page: language, model, Camera Setup, 3G Setup.
shot start-page-zh zh_CN.UTF-8
shot start-page-en en_US.UTF-8
shot camera-setup-en en_US.UTF-8 Return
shot 3g-parameters-zh zh_CN.UTF-8 Tab Tab Tab space

# shellcheck source=tools/laptop-shots.sh
. "$root/tools/laptop-shots.sh"
SCREEN=1366x768 SCALE=1 laptop_shots qt-1366x768
SCREEN=1920x1080 SCALE=1.5 laptop_shots qt-1920x1080-150
