#!/bin/bash
# The Windows program as a person meets it, under Wine on a virtual display:
# its start page appears, the banner is on it pixel for pixel, and closing
# the window (Alt+F4, as a person would) ends the program with status 0.
#
#   tools/win32-smoke.sh TRAILCFG.EXE BANNER.BMP [RUNS]
#
# With RUNS > 1 it starts the program that often and prints the time from
# start to the first page for each run. Needs Xvfb, xdotool, ImageMagick and
# python3; uses tools/wine-run.sh (and its Wine prefix, $WINEPREFIX).
set -euo pipefail

program=$(realpath "$1")
banner=$(realpath "$2")
runs=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)
# ImageMagick's own tools, whatever else is first on PATH.
convert=/usr/bin/convert
identify=/usr/bin/identify
work=$(mktemp -d)
# shellcheck source=tools/xvfb.sh
. "$here/xvfb.sh"
trap 'stop_xvfb; rm -rf "$work"' EXIT

start_xvfb 1024x768

# The banner's pixels as the screen holds them (24-bit RGB, rows top down).
"$convert" "$banner" -depth 8 rgb:"$work/banner.rgb"
read -r banner_w banner_h < <("$identify" -format '%w %h\n' "$banner")

# Finds the banner block on the screen: 340 (or fewer) columns of each of its
# rows, stacked where the page paints them; prints where it starts.
cat >"$work/find_banner.py" <<'PY'
import sys
screen_path, banner_path, bw, bh, sw, sh = sys.argv[1], sys.argv[2], *map(int, sys.argv[3:7])
screen, banner = open(screen_path, "rb").read(), open(banner_path, "rb").read()
cw = min(bw, 340)
def row(data, width, x, y, n): return data[(y * width + x) * 3:(y * width + x + n) * 3]
first = row(banner, bw, 0, 0, cw)
for y in range(sh - bh):
    x = row(screen, sw, 0, y, sw).find(first)
    while x >= 0:
        if x % 3 == 0 and all(row(screen, sw, x // 3, y + r, cw) == row(banner, bw, 0, r, cw) for r in range(bh)):
            # The 20 columns beyond the block are the page's, not the bitmap's.
            beyond = row(screen, sw, x // 3 + cw, y + 5, bw - cw)
            print(x // 3, y, "clipped" if beyond != row(banner, bw, cw, 5, bw - cw) else "unclipped")
            sys.exit(0)
        x = row(screen, sw, 0, y, sw).find(first, x + 1)
sys.exit(1)
PY

status_all=0
for run in $(seq "$runs"); do
    mkdir -p "$work/card$run"
    start=$(date +%s.%N)
    (cd "$work/card$run" && TRAILCFG_WINE_TIMEOUT=120 "$here/wine-run.sh" "$program" >"$work/out$run" 2>&1;
     echo $? >"$work/status$run") &
    runner=$!
    # Polled every 50 ms (xdotool's own --sync waits half a second a try).
    window=
    for _ in $(seq 1200); do
        window=$(xdotool search --onlyvisible --name '^(Setup|设置)$' 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && break
        sleep 0.05
    done
    shown=$(date +%s.%N)
    if [ -z "$window" ]; then
        echo "smoke: no start page appeared" >&2
        kill "$runner" 2>/dev/null || true
        wait "$runner" 2>/dev/null || true
        cat "$work/out$run" >&2
        exit 1
    fi
    awk -v run="$run" -v s="$start" -v e="$shown" 'BEGIN { printf "run %d: start page after %.2f s\n", run, e - s }'
    sleep 0.5  # the first paint
    import -window root -depth 8 rgb:"$work/screen.rgb"
    if ! where=$(python3 "$work/find_banner.py" "$work/screen.rgb" "$work/banner.rgb" \
                 "$banner_w" "$banner_h" 1024 768); then
        echo "smoke: the banner is not on the screen" >&2
        exit 1
    fi
    echo "run $run: banner at $where"
    [[ $where == *" clipped" ]] || { echo "smoke: the banner is wider than its 340-pixel block" >&2; exit 1; }

    # Alt+F4 on the focused page: the system turns it into the close box's
    # command, as it does for a person.
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers alt+F4
    for _ in $(seq 100); do [ -f "$work/status$run" ] && break; sleep 0.1; done
    wait "$runner" 2>/dev/null || true
    status=$(cat "$work/status$run" 2>/dev/null || echo none)
    echo "run $run: exit status $status"
    if [ "$status" != 0 ]; then
        cat "$work/out$run" >&2
        status_all=1
    fi
done
exit $status_all
