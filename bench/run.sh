#!/usr/bin/env bash
# Builds the benchmarks in Release (no sanitizers) and prints their figures.
#   bench/run.sh [--names N] [--repeats R]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${RAVELO_BENCH_BUILD:-$root/build/bench}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVELO_SANITIZE=OFF >/dev/null
cmake --build "$build" --target ravelo_name_list_bench -j2 >/dev/null
"$build/bench/ravelo_name_list_bench" "$@"
