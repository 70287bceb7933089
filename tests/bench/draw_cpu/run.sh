#!/usr/bin/env bash
# Draw CPU benchmark: the CPU time rvo uses during a draw at the shipped
# 10 ms interval, against the same window idle, in one run under Wine on a
# private virtual screen; and what one tick repaints (a hook DLL in rvo
# measures every update region).
#   tests/bench/draw_cpu/run.sh [SECONDS] [--music] [--no-probe]     (default 10 s)
# --no-probe leaves the paint probe out, whose own work adds to rvo's CPU.
# RAVELO_BENCH_WIN_BUILD names the cross build to take rvo from (default
# build/win, built here when needed).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
here="$root/tests/bench/draw_cpu"
build="${RAVELO_BENCH_WIN_BUILD:-$root/build/win}"
out="$build/bench-draw-cpu"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build" --target rvo ravelo_skin -j2 >/dev/null

mkdir -p "$out"
cxx=i686-w64-mingw32-g++-posix
flags=(-std=c++20 -O2 -municode -static -DUNICODE -D_UNICODE)
"$cxx" "${flags[@]}" "$here/draw_cpu_bench.cpp" -o "$out/draw_cpu_bench.exe"
"$cxx" "${flags[@]}" -shared -Wl,--kill-at "$here/paint_probe.cpp" -o "$out/paint_probe.dll" -lgdi32 -luser32

# A private copy of the installation with the shipped settings.
stage="$out/Ravelo"
rm -rf "$stage" && cp -r "$build/Ravelo" "$stage"

to_windows() { echo "Z:${1//\//\\}"; }
"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$out/draw_cpu_bench.exe" \
  "$(to_windows "$stage/bin/rvo.exe")" "$(to_windows "$out/paint_probe.dll")" "$@"
