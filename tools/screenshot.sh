#!/usr/bin/env bash
# screenshot.sh main|help OUT.png: runs the program on a virtual display and saves a
# screenshot of its main window (with a generated link) or of its help window.
set -euo pipefail
which=$1 out=$2
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
ensure_wine_prefix
export LINKGEN_OWN_DISPLAY=1
ensure_display 1280x1024
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; [ -n "$xvfb_pid" ] && kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
screen=1024x768
[ "$which" = help ] && screen=1200x800
"$root/tests/e2e/run-group.sh" --no-session "$work" "shot-$which" "$screen" "${LC_ALL:-C.UTF-8}" \
    "$root/build/win/linkgen.exe" "$root/build/win/e2e_driver.exe" >/dev/null &
runner=$!
# The driver names the rectangle once the scene is set, and holds it for a while.
for _ in $(seq 300); do
    rect=$(cat "$work"/*.rect 2>/dev/null || true)
    [ -n "$rect" ] && break
    sleep 0.1
done
[ -n "$rect" ] || { echo "the program did not show the window" >&2; exit 1; }
import -window root -crop "$rect" +repage "$out"
wait $runner || true
echo "saved $out"
