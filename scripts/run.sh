#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program under Wine. Without a display,
# it runs on a virtual one and saves a screenshot instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
source "$root/scripts/wine-env.sh"
ensure_wine_prefix
program="$root/build/win/linkgen.exe"
if [ -n "${DISPLAY:-}" ]; then
    exec wine "$program"
fi
"$root/tools/screenshot.sh" main "$root/build/linkgen.png"
echo "No display: the program ran on a virtual one; screenshot saved to build/linkgen.png"
