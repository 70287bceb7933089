#!/usr/bin/env bash
# Start-up benchmark: rvo and rvocfg (from a staged installation with the
# shipped settings and skin) against a minimal one-window Win32 program,
# started in turns under Wine on a private virtual screen, with the floor of a
# form like rvocfg's (the minimal window and the same standard controls) for
# comparison. Prints the times and their ratios to the minimal program's.
#   bench/startup/run.sh [ROUNDS]     (default 20)
# RAVELO_BENCH_WIN_BUILD names the cross build to take rvo from (default
# build/win, built here when needed).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
rounds="${1:-20}"
# shellcheck source=../rvo_stage.sh
. "$root/bench/rvo_stage.sh"
stage_rvo bench-startup rvocfg startup_bench minimal_window form_floor

"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$programs/startup_bench.exe" "$rounds" \
  "$(to_windows "$stage/bin/rvo.exe")" "$(to_windows "$programs/minimal_window.exe")" \
  "$(to_windows "$stage/bin/rvocfg.exe")" "$(to_windows "$programs/form_floor.exe")"
