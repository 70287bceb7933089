#!/usr/bin/env bash
# Name list editor benchmark: rvocfg's editor opening a list of 100,000 names
# (about 1 MB, GBK) until the whole text shows, against Wine's notepad.exe
# opening the same file, in turns in the same run; and saving that list.
#   bench/name_editor/run.sh [ROUNDS] [NAMES]     (default 10 rounds, 100,000 names)
# RAVELO_BENCH_WIN_BUILD names the cross build to take the programs from
# (default build/win, built here when needed).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
rounds="${1:-10}"
# shellcheck source=../rvo_stage.sh
. "$root/bench/rvo_stage.sh"
stage_rvo bench-name-editor rvocfg name_editor_bench

"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$programs/name_editor_bench.exe" "$rounds" "$(to_windows "$stage")" ${2:+"$2"}
