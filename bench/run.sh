#!/usr/bin/env bash
# Builds the name list benchmark and prints its figures.
#   bench/run.sh [--names N] [--repeats R]
# By default it builds in build/bench, in Release without sanitizers, for
# figures worth quoting. RAVELO_BENCH_BUILD names a build that exists already
# (the smoke run takes the test build's), which is used as it is configured.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ -n "${RAVELO_BENCH_BUILD:-}" ]; then
  build=$RAVELO_BENCH_BUILD
else
  build="$root/build/bench"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVELO_SANITIZE=OFF >/dev/null
fi
cmake --build "$build" --target ravelo_name_list_bench -j2 >/dev/null
"$build/bench/ravelo_name_list_bench" "$@"
