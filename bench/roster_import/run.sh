#!/usr/bin/env bash
# Builds the roster import benchmark in Release (no sanitizers) and prints its
# figures: import of a 10,000- and a 100,000-row roster (.xlsx and .csv) up to
# the preview, time and peak memory, and a sheet of a million empty rows.
#   bench/roster_import/run.sh [--smoke] [--repeats R]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# shellcheck source=../native_build.sh
. "$root/bench/native_build.sh"
native_build ravelo_roster_import_bench
"$build/bench/ravelo_roster_import_bench" "$@"
