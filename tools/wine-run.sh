#!/bin/bash
# Runs one Windows program of the cross build under Wine, as CTest's
# emulator (CMAKE_CROSSCOMPILING_EMULATOR) and by hand:
#
#   tools/wine-run.sh PROGRAM.exe [ARGS...]
#
# - The Wine prefix is private: $WINEPREFIX when set (the mingw test preset
#   puts it in the build tree), else one per user under $TMPDIR. It is made
#   on first use, without Mono and Gecko, which would want the network.
# - The program gets a display of its own: a fresh Xvfb, gone afterwards,
#   so no window ever appears on a real screen and no test sees another's.
#   A caller that wants to look at the window (tools/win32-smoke.sh) runs its
#   own Xvfb and names it in $TRAILCFG_WINE_DISPLAY.
# - Bounded: the program is stopped after $TRAILCFG_WINE_TIMEOUT seconds
#   (default 600), and Wine's helper processes do not outlive it.
# The exit status is the program's (modulo 256, as Linux reports it).
set -uo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 PROGRAM.exe [ARGS...]" >&2
    exit 2
fi

export WINEPREFIX="${WINEPREFIX:-${TMPDIR:-/tmp}/trailcfg-wineprefix-$(id -u)}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
timeout_s="${TRAILCFG_WINE_TIMEOUT:-600}"

# Debian's wine wrapper warns about the missing 32-bit half on every start;
# the programs here are 64-bit, so ask the 64-bit loader directly.
wine=wine
for candidate in /usr/lib/wine/wine64 /usr/lib/x86_64-linux-gnu/wine/wine64; do
    if [ -x "$candidate" ]; then wine=$candidate; break; fi
done
wineserver=wineserver
for candidate in /usr/lib/wine/wineserver64 /usr/lib/x86_64-linux-gnu/wine/wineserver64; do
    if [ -x "$candidate" ]; then wineserver=$candidate; break; fi
done

xvfb_pid=
cleanup() {
    # Wine's services and desktop process would linger for a while and hold
    # the display; the prefix is ours, so nothing else is stopped here.
    "$wineserver" -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
}
trap cleanup EXIT
trap 'exit 143' INT TERM

# A display of our own: Xvfb picks a free number and tells it on a pipe.
start_display() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo" || return 1
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    local number=
    read -r -t 20 number <"$fifo"
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "wine-run: Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
}
if [ -n "${TRAILCFG_WINE_DISPLAY:-}" ]; then
    export DISPLAY="$TRAILCFG_WINE_DISPLAY"
else
    start_display || exit 125
fi

# The first run in a prefix sets it up; a lock keeps two first runs from
# doing it at the same time.
# Wine's windows are its own ("Managed"=N): with no window manager on the
# display, Wine would otherwise wait for one on every window shown or
# hidden, a second or two each time.
setting() { timeout 60 "$wine" reg add "$@" /f >/dev/null 2>&1; }
mkdir -p "$WINEPREFIX" || exit 125
(
    flock 9
    [ -f "$WINEPREFIX/.trailcfg-ready" ] && exit 0
    timeout 300 "$wine" wineboot --init >/dev/null 2>&1 || exit 1
    setting 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N || exit 1
    "$wineserver" -w >/dev/null 2>&1
    touch "$WINEPREFIX/.trailcfg-ready"
) 9>"$WINEPREFIX.lock" || { echo "wine-run: could not set up the Wine prefix $WINEPREFIX" >&2; exit 125; }

# Windows links its dialog fonts to a Chinese font, so that Chinese shows on
# a system of any language; a fresh prefix links them to fonts it does not
# have. The Linux machine's own CJK font stands in. Wine writes its own links
# again whenever it starts under a locale of another code page than the last
# run's (a Chinese run, then an English one), so the links are made again,
# after Wine has done that, whenever the locale changes.
locale_now="${LC_ALL:-${LC_CTYPE:-${LANG:-C}}}"
(
    flock 9
    [ "$(cat "$WINEPREFIX/.trailcfg-font-links" 2>/dev/null)" = "$locale_now" ] && exit 0
    timeout 120 "$wine" wineboot >/dev/null 2>&1
    for face in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Microsoft Sans Serif" "Segoe UI"; do
        setting 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v "$face" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" || exit 1
    done
    "$wineserver" -w >/dev/null 2>&1
    printf '%s' "$locale_now" >"$WINEPREFIX/.trailcfg-font-links"
) 9>"$WINEPREFIX.lock" || { echo "wine-run: could not link the fonts in $WINEPREFIX" >&2; exit 125; }

timeout --kill-after=10 "$timeout_s" "$wine" "$@"
status=$?
if [ $status -eq 124 ]; then echo "wine-run: $1 stopped after ${timeout_s}s" >&2; fi
exit $status
