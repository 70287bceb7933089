#!/usr/bin/env bash
# Start-up benchmark: rvo and rvocfg (from a staged installation with the
# shipped settings and skin) against a minimal one-window Win32 program,
# started in turns under Wine on a private virtual screen, with the floor of a
# form like rvocfg's (the minimal window and the same standard controls) for
# comparison. Prints the times and their ratios to the minimal program's.
#   bench/startup/run.sh [ROUNDS] [--lists N]     (default 20 rounds)
# With --lists, also rvo from a second installation whose lists\ holds N
# lists of 50 names (none of them in use), in the same rounds.
# RAVELO_BENCH_WIN_BUILD names the cross build to take rvo from (default
# build/win, built here when needed).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
rounds="${1:-20}"
lists=0
[ "${2:-}" = "--lists" ] && lists="${3:-30}"
# shellcheck source=../rvo_stage.sh
. "$root/bench/rvo_stage.sh"
stage_rvo bench-startup rvocfg startup_bench minimal_window form_floor
more=()
if [ "$lists" -gt 0 ]; then
  with_lists="$out/Ravelo-${lists}lists"
  rm -rf "$with_lists" && cp -r "$stage" "$with_lists"
  mkdir -p "$with_lists/lists"
  for i in $(seq 1 "$lists"); do
    for n in $(seq 1 50); do printf 'name%02d-%02d\r\n' "$i" "$n"; done >"$with_lists/lists/class$i.txt"
  done
  more=("$(to_windows "$with_lists/bin/rvo.exe")")
fi

"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$programs/startup_bench.exe" "$rounds" \
  "$(to_windows "$stage/bin/rvo.exe")" "$(to_windows "$programs/minimal_window.exe")" \
  "$(to_windows "$stage/bin/rvocfg.exe")" "$(to_windows "$programs/form_floor.exe")" "${more[@]}"
