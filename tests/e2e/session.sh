#!/usr/bin/env bash
# session.sh start|stop DIR: the virtual display and Wine server that the end-to-end tests
# share. `start` leaves DIR/session to be sourced by run-group.sh; `stop` ends both.
set -euo pipefail
action=$1
dir=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine-env.sh"
mkdir -p "$dir"

case $action in
start)
    [ -f "$dir/session" ] && "$0" stop "$dir"
    ensure_wine_prefix
    LINKGEN_OWN_DISPLAY=1 ensure_display 1280x1024
    wineserver -p </dev/null >/dev/null 2>&1  # stays up between the test runs
    {
        echo "export DISPLAY=$DISPLAY"
        echo "xvfb_pid=$xvfb_pid"
    } >"$dir/session"
    echo "display $DISPLAY, prefix $WINEPREFIX"
    ;;
stop)
    wineserver -k 2>/dev/null || true
    if [ -f "$dir/session" ]; then
        source "$dir/session"
        [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
        rm -f "$dir/session"
    fi
    ;;
esac
