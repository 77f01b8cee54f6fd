#!/bin/bash
# Takes the README's screenshots of the Windows program: each page it can
# reach, as real windows under Wine on a virtual display.
#
#   tools/win32-screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build/mingw (the program is BUILD_DIR/bin/trailcfg.exe),
# OUT_DIR to docs/screenshots (files win32-*.png). Needs Xvfb, xdotool,
# ImageMagick and Wine; uses tools/wine-run.sh and the build's Wine prefix.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build/mingw}")
program=$build/bin/trailcfg.exe
out=$(realpath -m "${2:-$root/docs/screenshots}")
export WINEPREFIX="${WINEPREFIX:-$build/wineprefix}"
mkdir -p "$out"
work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 number <"$work/display"
export DISPLAY=":$number" TRAILCFG_WINE_DISPLAY=":$number"

# The window of ours that is on screen now (Wine names the class after the
# program file).
page_window() { timeout 30 xdotool search --sync --onlyvisible --classname trailcfg.exe | tail -n 1; }

# shot NAME LANG KEYS...: starts the program with the system language of
# LANG, presses KEYS (xdotool key names) on the pages, and saves the page then
# on screen. Without keys: the start page.
shot() {
    local name=$1 lang=$2
    shift 2
    # A folder the save-path fields can show without a temporary name in it.
    local card="$WINEPREFIX/drive_c/Camera"
    rm -rf "$card" && mkdir -p "$card"
    (cd "$card" && env LANG="$lang" LC_ALL="$lang" TRAILCFG_WINE_TIMEOUT=120 \
        "$root/tools/wine-run.sh" "$program" >/dev/null 2>&1) &
    local runner=$! window
    window=$(page_window)
    sleep 1
    for key in "$@"; do
        xdotool windowfocus --sync "$(page_window)" 2>/dev/null || true
        xdotool key --clearmodifiers "$key"
        sleep 1.5
    done
    window=$(page_window)
    import -window "$window" "$out/win32-$name.png"
    # Close every page down to the start page, then the start page.
    for _ in 1 2 3 4; do
        kill -0 "$runner" 2>/dev/null || break
        xdotool windowfocus --sync "$(page_window)" 2>/dev/null || true
        xdotool key --clearmodifiers alt+F4
        sleep 1
    done
    wait "$runner" 2>/dev/null || true
    echo "$out/win32-$name.png"
}

# The start page's tab order: language list, model list, Camera Setup
# (the default button, which Enter presses), 3G Setup.
shot start-page-zh zh_CN.UTF-8
shot start-page-en en_US.UTF-8
# Chinese chosen on an English system (code page 1252): the program's
# own text conversion, whatever the system's code page.
shot start-page-zh-on-english en_US.UTF-8 Up
shot camera-setup-en en_US.UTF-8 Return
shot camera-setup-zh zh_CN.UTF-8 Return
shot 3g-parameters-en en_US.UTF-8 Tab Tab Tab space
shot 3g-parameters-zh zh_CN.UTF-8 Tab Tab Tab space
# From the parameter page's first field, Shift+Tab wraps round to "Next Page".
shot 3g-send-en en_US.UTF-8 Tab Tab Tab space shift+Tab space
