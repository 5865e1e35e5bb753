#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when missing;
# with "bench", also what the benchmark needs.
set -euo pipefail
packages=(
    cmake ninja-build g++ libgtest-dev   # native build and unit tests
    mingw-w64                            # the Windows program
    wine wine64 xvfb                     # running it on Linux, on a virtual display
    fonts-wqy-microhei fonts-wine        # Chinese text and Wine's own UI fonts
    imagemagick x11-utils                # screenshots and pictures
)
if [ "${1:-}" = bench ]; then
    packages+=(libbenchmark-dev curl ca-certificates)  # Google Benchmark, and its source
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
