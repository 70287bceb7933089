#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests natively (with
# AddressSanitizer and UBSan), each fuzz target for a few seconds, then the
# same unit tests, the agreement table and the end-to-end tests under 32-bit
# Wine on a private virtual screen, and last every benchmark once at its
# smallest size, so that one that no longer builds or runs fails here.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)
stage() { printf '\n=== %s\n' "$*"; }
t0=$(date +%s)

stage "dependencies"
bash tools/install-deps.sh

stage "host build and unit tests"
cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRAVELO_SANITIZE=ON >/dev/null
cmake --build build/host -j "$jobs"
t1=$(date +%s)
(cd build/host && ctest --output-on-failure -j "$jobs")
t2=$(date +%s)

stage "fuzz targets: build and a few seconds each"
bash tools/fuzz.sh 3
t2=$(date +%s)

stage "Windows build (i686-w64-mingw32)"
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win -j "$jobs"
file build/win/Ravelo/bin/*.exe
. tools/windows-target.sh
if [ "$RAVELO_WINE_BITS" = 64 ]; then
  stage "Windows test build (x86_64-w64-mingw32): this kernel runs no 32-bit code, so Wine runs 64-bit programs"
  cmake -S . -B "$RAVELO_WIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$RAVELO_WIN_TOOLCHAIN" >/dev/null
  cmake --build "$RAVELO_WIN_BUILD" -j "$jobs"
fi
t3=$(date +%s)

stage "tests under Wine ($RAVELO_WINE_BITS-bit)"
# A prefix of its own, so a running demo never shares a Wine server with the tests.
export RAVELO_WINEPREFIX=${RAVELO_TEST_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/ravelo/test-prefix}
export RAVELO_WINE_UNMANAGED=1
tools/with-display --own bash -c 'cd "$RAVELO_WIN_BUILD" && ctest --output-on-failure -j '"$jobs"
t4=$(date +%s)

stage "benchmarks: smoke run"
RAVELO_BENCH_BUILD="$root/build/host" bash tools/bench.sh --smoke
t5=$(date +%s)

stage "times"
echo "host build $((t1 - t0))s (with dependencies), host tests and fuzz smoke $((t2 - t1))s,"
echo "Windows build $((t3 - t2))s, Wine tests $((t4 - t3))s, benchmark smoke $((t5 - t4))s, total $((t5 - t0))s"
