#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the native unit tests (with
# AddressSanitizer and UBSan), then the end-to-end tests of the real program under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" native
status=0
(cd "$root/build/native" && ctest --output-on-failure) || status=1
(cd "$root/build/win" && ctest --output-on-failure) || status=1
exit $status
