# Sourced by the scripts that need a virtual screen of their own. The caller
# has a scratch folder in $work and calls stop_xvfb before it goes.

xvfb_pid=

stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    fi
}

# start_xvfb WIDTHxHEIGHT: a fresh Xvfb of that size for what follows, named
# by DISPLAY (and TRAILCFG_WINE_DISPLAY, for tools/wine-run.sh).
start_xvfb() {
    stop_xvfb
    rm -f "$work/display"
    mkfifo "$work/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    local number
    read -r -t 20 number <"$work/display" || { echo "$(basename "$0"): Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$number" TRAILCFG_WINE_DISPLAY=":$number"
}
