#!/usr/bin/env bash
# Measures the program against its nearest limits and prints the table (Markdown); also
# saved to build/bench/results.md. Not part of the tests: timings are not pass or fail.
#   scripts/bench.sh [ROUNDS]   (default 20: each side of each pair runs ROUNDS times)
# Runs under Wine on its own virtual display; do not run it while the tests run (they
# share the Wine prefix).
set -euo pipefail
rounds=${1:-20}
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/bench"
"$root/scripts/install-deps.sh" bench
"$root/scripts/build.sh"
mkdir -p "$out"

# Google Benchmark for Windows, built from Debian's source of the version installed for
# the native build.
gbench_version=1.7.1
gbench_sha256=6430e4092653380d9dc4ccb45a1e2dc9259d581f4866dc0759713126056bc1d7
gbench="$out/gbench-win"
if [ ! -f "$gbench/lib/libbenchmark.a" ]; then
    tarball="$out/benchmark_$gbench_version.orig.tar.gz"
    [ -f "$tarball" ] || curl -fsSL -o "$tarball" \
        "https://deb.debian.org/debian/pool/main/b/benchmark/benchmark_$gbench_version.orig.tar.gz"
    echo "$gbench_sha256  $tarball" | sha256sum -c --quiet
    rm -rf "$out/gbench-src" && mkdir -p "$out/gbench-src"
    tar xzf "$tarball" -C "$out/gbench-src" --strip-components=1
    cmake -S "$out/gbench-src" -B "$out/gbench-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake" -DBUILD_SHARED_LIBS=OFF \
        -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF \
        -DBENCHMARK_ENABLE_WERROR=OFF -DCMAKE_INSTALL_PREFIX="$gbench" >/dev/null 2>&1
    cmake --build "$out/gbench-build" >/dev/null
    cmake --install "$out/gbench-build" >/dev/null
fi
cmake -S "$root/tools/bench" -B "$out/native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out/native" >/dev/null
cmake -S "$root/tools/bench" -B "$out/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-posix.cmake" \
    -Dbenchmark_DIR="$gbench/lib/cmake/benchmark" >/dev/null
cmake --build "$out/win" >/dev/null

source "$root/scripts/wine-env.sh"
ensure_wine_prefix
export LINKGEN_OWN_DISPLAY=1
ensure_display 1280x1024
trap 'wineserver -k 2>/dev/null; [ -n "$xvfb_pid" ] && kill $xvfb_pid 2>/dev/null' EXIT
wineserver -p </dev/null >/dev/null 2>&1 || true  # one server for the whole run
win=$root/build/win

echo "timing the windows: $rounds rounds..." >&2
rm -f "$out/windows.md"
timeout 900 wine explorer /desktop=bench,1280x1024 "$(windows_path "$win/window_bench.exe")" \
    "$(windows_path "$out/windows.md")" "$rounds" "$(windows_path "$win/linkgen.exe")" \
    "$(windows_path "$win/bare_window.exe")" "$(windows_path "$win/bare_picture.exe")" \
    </dev/null >"$out/windows.log" 2>&1 || true
[ -s "$out/windows.md" ] || { echo "the window benchmark gave no results" >&2; exit 1; }

# join_texts against malloc+memcpy: medians and standard deviations of the repetitions,
# all benchmarks interleaved at random.
gbench_flags=(--benchmark_repetitions="$rounds" --benchmark_enable_random_interleaving=true
              --benchmark_report_aggregates_only=true --benchmark_format=csv)
echo "timing join_texts..." >&2
"$out/native/join_bench" "${gbench_flags[@]}" >"$out/join-native.csv" 2>/dev/null
wine "$out/win/join_bench.exe" "${gbench_flags[@]}" </dev/null >"$out/join-wine.csv" 2>/dev/null
join_rows() {  # CSV of Google Benchmark -> table rows
    tr -d '\r' <"$2" | awk -F, -v where="$1" '
        /_median"?,/ || /_stddev"?,/ {
            name = $1; gsub(/"/, "", name)
            split(name, p, "/"); bench = p[1]; sub(/_(median|stddev)$/, "", p[2]); id = p[2]
            stat = name ~ /_median$/ ? "median" : "stddev"
            t[bench, id, stat] = $3
        }
        END {
            split("id_9 id_30000", ids, " ")
            for (k = 1; k <= 2; k++) {
                id = ids[k]; label = id == "id_9" ? "9-digit ID" : "30,000-byte ID"
                j = t["join_texts_bench", id, "median"]; m = t["malloc_memcpy_bench", id, "median"]
                s = t["strlen_malloc_memcpy_bench", id, "median"]; r = j / m
                printf "| join_texts, %s, %s | %.1f ns (± %.1f) | malloc+memcpy: %.1f ns (± %.1f); with strlen: %.1f ns | %.2f | ≤ 1.50 %s |\n",
                    label, where, j, t["join_texts_bench", id, "stddev"], m,
                    t["malloc_memcpy_bench", id, "stddev"], s, r, r <= 1.5 ? "met" : "MISSED"
            }
        }'
}

size=$(stat -c %s "$win/linkgen.exe")
imports=$(x86_64-w64-mingw32-objdump -p "$win/linkgen.exe" | awk '/DLL Name:/ {print $3}' | sort -f | paste -sd' ')
own=yes
for dll in $imports; do
    case ${dll,,} in
        kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll) ;;
        *) own=no ;;
    esac
done
{
    cat "$out/windows.md"
    join_rows native "$out/join-native.csv"
    join_rows "under Wine" "$out/join-wine.csv"
    printf '| linkgen.exe, picture inside | %d KB | | | ≤ 384 KB %s |\n' $((size / 1024)) \
        "$([ "$size" -le $((384 * 1024)) ] && echo met || echo MISSED)"
    printf '| DLLs imported | %s | | | Windows'"'"' own only: %s |\n' "$imports" \
        "$([ $own = yes ] && echo met || echo MISSED)"
} >"$out/results.md"
cat "$out/results.md"
