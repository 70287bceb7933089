#!/usr/bin/env bash
# Builds the roster import benchmark in Release (no sanitizers) and prints its
# figures: import of a 10,000- and a 100,000-row roster (.xlsx and .csv) up to
# the preview, time and peak memory, and a sheet of a million empty rows.
#   bench/roster_import/run.sh [--smoke] [--repeats R]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# RAVELO_BENCH_BUILD names a native build to use as it is configured.
if [ -n "${RAVELO_BENCH_BUILD:-}" ]; then
  build=$RAVELO_BENCH_BUILD
else
  build="$root/build/bench"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVELO_SANITIZE=OFF >/dev/null
fi
cmake --build "$build" --target ravelo_roster_import_bench -j2 >/dev/null
"$build/bench/ravelo_roster_import_bench" "$@"
