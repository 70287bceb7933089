#!/usr/bin/env bash
# Builds the name list benchmark and prints its figures.
#   bench/run.sh [--names N] [--repeats R]
# The build: bench/native_build.sh.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=native_build.sh
. "$root/bench/native_build.sh"
native_build ravelo_name_list_bench
"$build/bench/ravelo_name_list_bench" "$@"
