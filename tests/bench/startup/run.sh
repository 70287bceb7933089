#!/usr/bin/env bash
# Start-up benchmark: rvo (from a staged installation with the shipped
# settings and skin) against a minimal one-window Win32 program, started in
# turns under Wine on a private virtual screen. Prints the times and the
# ratio of the medians.
#   tests/bench/startup/run.sh [ROUNDS]     (default 20)
# RAVELO_BENCH_WIN_BUILD names the cross build to take rvo from (default
# build/win, built here when needed).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
here="$root/tests/bench/startup"
rounds="${1:-20}"
build="${RAVELO_BENCH_WIN_BUILD:-$root/build/win}"
out="$build/bench-startup"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build" --target rvo ravelo_skin -j2 >/dev/null

# The two bench programs are one file each; they need no project settings.
mkdir -p "$out"
cxx=i686-w64-mingw32-g++-posix
"$cxx" -std=c++20 -O2 -municode -mwindows -static -DUNICODE -D_UNICODE \
  "$here/minimal_window.cpp" -o "$out/minimal_window.exe"
"$cxx" -std=c++20 -O2 -municode -static -DUNICODE -D_UNICODE \
  "$here/startup_bench.cpp" -o "$out/startup_bench.exe"

# A private copy of the installation, so the build's own stays untouched.
stage="$out/Ravelo"
rm -rf "$stage" && cp -r "$build/Ravelo" "$stage"

to_windows() { echo "Z:${1//\//\\}"; }
"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$out/startup_bench.exe" "$rounds" \
  "$(to_windows "$stage/bin/rvo.exe")" "$(to_windows "$out/minimal_window.exe")"
