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
    # The help picture's visible part, decoded independently of Windows' decoder.
    convert "$root/ui/help.jpg" -crop 1064x656+0+0 +repage -type TrueColor \
        "BMP3:$dir/help-expected.bmp"
    # A stand-in for the desktop's web browser that records what it is asked to open.
    recorder="$dir/url-recorder"
    cat >"$recorder" <<STUB
#!/bin/sh
{ printf 'argc=%d' \$#; for a in "\$@"; do printf '\\t%s' "\$a"; done; printf '\\n'; } >>"$dir/urls.log"
STUB
    chmod +x "$recorder"
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]\r\n"Browsers"="%s"\r\n\r\n' \
        "$recorder" >"$dir/browser.reg"
    import_reg "$dir/browser.reg"
    wineserver -p </dev/null >/dev/null 2>&1 || true  # stays up between the test runs
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
