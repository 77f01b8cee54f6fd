#!/bin/bash
# Takes the README's screenshots of the Windows program: each page it can
# reach, as real windows under Wine on a virtual display.
#
#   tools/win32-screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build/mingw (the program is BUILD_DIR/bin/trailcfg.exe),
# OUT_DIR to docs/screenshots (files win32-*.png). Needs Xvfb, xdotool,
# ImageMagick, python3 and Wine; uses tools/wine-run.sh with a Wine prefix of
# its own (BUILD_DIR/wineprefix-screenshots), whose DPI it changes.
#
# Besides the README's pictures (1024 x 768 at 96 DPI), every page at
# 1366 x 768 and 96 DPI (win32-1366x768-*), at 1920 x 1080 and 144 DPI (150 %,
# win32-1920x1080-150-*), the pages that scroll then at 1366 x 768 and 144 DPI
# (win32-1366x768-150-*), and the start and Camera Setup pages at 2560 x 1440
# and 192 DPI (200 %, win32-2560x1440-200-*); each also at its bottom. A Chinese page that shows boxes instead of characters fails the run
# (tools/cjk-check.py).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build/mingw}")
program=$build/bin/trailcfg.exe
out=$(realpath -m "${2:-$root/docs/screenshots}")
# Not the tests' prefix: the DPI set here would change what they measure.
export WINEPREFIX="${TRAILCFG_SCREENSHOT_PREFIX:-$build/wineprefix-screenshots}"
mkdir -p "$out"
work=$(mktemp -d)
# shellcheck source=tools/xvfb.sh
. "$root/tools/xvfb.sh"
trap 'stop_xvfb; rm -rf "$work"' EXIT

wine=wine
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
wineserver=wineserver
[ -x /usr/lib/wine/wineserver64 ] && wineserver=/usr/lib/wine/wineserver64

# dpi N: the prefix's screen DPI (96 = 100 %), where Wine reads it.
dpi() {
    # wine-run.sh makes the prefix on first use.
    "$root/tools/wine-run.sh" cmd /c exit 0 >/dev/null 2>&1 || true
    for key in 'HKCU\Control Panel\Desktop' \
               'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
        timeout 60 "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    done
    "$wineserver" -w >/dev/null 2>&1 || true
}

start_xvfb 1024x768
# A run stopped part-way leaves its prefix at 150 % or 200 %.
dpi 96
# The window of ours that is on screen now (Wine names the class after the
# program file).
page_window() { timeout 120 xdotool search --sync --onlyvisible --classname trailcfg.exe | tail -n 1; }

# capture_settled WINDOW FILE: a large page at a high DPI can still be
# drawing its lower rows when the keys' pause is over; take the window once
# two captures half a second apart agree.
capture_settled() {
    local previous="$work/previous.png" tries
    import -window "$1" "$previous"
    for tries in 1 2 3 4 5 6 7 8 9 10; do
        sleep 0.5
        import -window "$1" "$2"
        [ "$(compare -metric AE "$previous" "$2" null: 2>&1)" = 0 ] && return 0
        cp "$2" "$previous"
    done
    echo "win32-screenshots: $2 kept changing; the last capture is kept" >&2
}

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
    capture_settled "$window" "$out/win32-$name.png"
    case $lang in zh*) check+=("$out/win32-$name.png") ;; esac
    case $name in *zh-on-english*) check+=("$out/win32-$name.png") ;; esac
    # Done: the program and Wine's helpers in this prefix (ours alone) go.
    "$wineserver" -k >/dev/null 2>&1 || true
    wait "$runner" 2>/dev/null || true
    echo "$out/win32-$name.png"
}

check=()

# Grouped by language: Wine's font links are made again at each change of
# the locale's code page (tools/wine-run.sh), which takes a while.
#
# The start page's tab order: language list, model list, Camera Setup
# (the default button, which Enter presses), 3G Setup.
shot start-page-en en_US.UTF-8
# Chinese chosen on an English system (code page 1252): the program's
# own text conversion, whatever the system's code page.
shot start-page-zh-on-english en_US.UTF-8 Up
shot camera-setup-en en_US.UTF-8 Return
shot 3g-parameters-en en_US.UTF-8 Tab Tab Tab space
# From the parameter page's first field, Shift+Tab wraps round to "Next Page".
shot 3g-send-en en_US.UTF-8 Tab Tab Tab space shift+Tab space
shot start-page-zh zh_CN.UTF-8
shot camera-setup-zh zh_CN.UTF-8 Return
shot 3g-parameters-zh zh_CN.UTF-8 Tab Tab Tab space

# Every page on the common laptop screens, and at 200 %.
# shellcheck source=tools/laptop-shots.sh
. "$root/tools/laptop-shots.sh"
start_xvfb 1366x768
laptop_shots 1366x768
start_xvfb 1920x1080
dpi 144
laptop_shots 1920x1080-150
# Wine shows no task bar, so a 1920 x 1080 screen at 150 % holds even Camera
# Setup; a 1366 x 768 one at 150 % shows how the pages scroll.
start_xvfb 1366x768
shot 1366x768-150-camera-setup-en en_US.UTF-8 Return
shot 1366x768-150-camera-setup-en-bottom en_US.UTF-8 Return shift+Tab
shot 1366x768-150-3g-send-en-bottom en_US.UTF-8 Tab Tab Tab space shift+Tab space shift+Tab
shot 1366x768-150-3g-parameters-zh-bottom zh_CN.UTF-8 Tab Tab Tab space shift+Tab
start_xvfb 2560x1440
dpi 192
shot 2560x1440-200-camera-setup-zh zh_CN.UTF-8 Return
shot 2560x1440-200-start-page-zh-on-english en_US.UTF-8 Up
shot 2560x1440-200-camera-setup-en-bottom en_US.UTF-8 Return shift+Tab
dpi 96

"$root/tools/cjk-check.py" "${check[@]}"
