#!/usr/bin/env bash
# run-group.sh [--no-session] DIR GROUP SCREEN LOCALE PROGRAM DRIVER
# Runs one group of the driver's tests against PROGRAM on a Wine virtual desktop of SCREEN
# pixels, with LOCALE as Wine's locale; prints the results and passes when none failed.
set -uo pipefail
use_session=1
[ "$1" = --no-session ] && { use_session=; shift; }
dir=$1 group=$2 screen=$3 locale=$4 program=$5 driver=$6
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine-env.sh"
[ -n "$use_session" ] && source "$dir/session"

results="$dir/$group-$screen-$locale.txt"
log="$dir/$group-wine.log"
run_driver() {
    rm -f "$results"
    # The driver and the program get the desktop's screen size; the driver writes its
    # results to a file (a GUI process under Wine keeps the parent's output open).
    LINKGEN_HELP_EXPECTED=$(windows_path "$dir/help-expected.bmp") \
    LINKGEN_URL_LOG=$(windows_path "$dir/urls.log") LC_ALL=$locale timeout 200 wine explorer "/desktop=e2e$$,$screen" \
        "$(windows_path "$driver")" "$group" "$(windows_path "$program")" \
        "$(windows_path "$results")" </dev/null >"$log" 2>&1
    status=$?
    if [ $status -eq 124 ]; then
        echo "timed out; ending what is left of the run"
        wineserver -k 2>/dev/null
    fi
}
run_driver
if [ ! -f "$results" ] && [ $status -ne 124 ]; then
    # The driver never started (its first act is to create the results file): Wine
    # failed to start the desktop. That is no result of the tests; try once more.
    echo "the driver did not start (wine exit $status); once more. Wine said:"
    tail -5 "$log"
    sleep 1
    run_driver
fi
if [ -f "$results" ]; then
    cat "$results"
else
    echo "no results from the driver (wine exit $status); Wine said:"
    tail -20 "$log"
fi
grep -qE '^[1-9][0-9]* passed, 0 failed$' "$results" 2>/dev/null
