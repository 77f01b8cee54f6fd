#!/bin/bash
# Takes the README's screenshots of the desktop program: each page it can
# reach, as real windows on a virtual X display with a window manager.
#
#   tests/port/qt_screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build/default (the program is BUILD_DIR/bin/trailcfg),
# OUT_DIR to docs/screenshots. Needs xvfb-run, openbox, xdotool and
# ImageMagick (apt-get install xvfb openbox xdotool imagemagick).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
program=$(realpath "${1:-$root/build/default}")/bin/trailcfg
out=$(realpath -m "${2:-$root/docs/screenshots}")
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shot NAME LOCALE KEYS...: starts the program in LOCALE, presses KEYS on the
# start page (none: the start page itself), and saves the window on top.
shot() {
    local name=$1 locale=$2
    shift 2
    xvfb-run -a -s "-screen 0 1024x768x24" bash -s "$program" "$locale" "$work" "$out/$name.png" "$@" <<'EOS'
program=$1 locale=$2 work=$3 png=$4
shift 4
openbox >/dev/null 2>&1 &
sleep 1
(cd "$work" && LANG=$locale LC_ALL=$locale "$program" >/dev/null 2>&1) &
pid=$!
for _ in $(seq 50); do xdotool search --onlyvisible --class trailcfg >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
if [ $# -gt 0 ]; then xdotool key --delay 150 "$@"; sleep 1.5; fi
import -window root "$png.full.png"
kill $pid 2>/dev/null || true
convert "$png.full.png" -trim +repage "$png"
rm -f "$png.full.png"
EOS
    echo "$out/$name.png"
}

# Tab order of the start page: language, model, Camera Setup, 3G Setup.
shot start-page-zh zh_CN.UTF-8
shot start-page-en en_US.UTF-8
shot camera-setup-en en_US.UTF-8 Return
shot 3g-parameters-zh zh_CN.UTF-8 Tab Tab Tab space
