#!/usr/bin/env bash
# Name list editor benchmark: rvocfg's editor opening a list of 100,000 names
# (about 1 MB, GBK) until the whole text shows, against Wine's notepad.exe
# opening the same file, in turns in the same run; and saving that list.
#   bench/name_editor/run.sh [ROUNDS]     (default 10)
# RAVELO_BENCH_WIN_BUILD names the cross build to take the programs from
# (default build/win, built here when needed).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
here="$root/bench/name_editor"
rounds="${1:-10}"
# shellcheck source=../rvo_stage.sh
. "$root/bench/rvo_stage.sh"
stage_rvo bench-name-editor
cmake --build "$build" --target rvocfg -j2 >/dev/null
cp "$build/Ravelo/bin/rvocfg.exe" "$stage/bin/"

"$cxx" -std=c++20 -O2 -municode -static -DUNICODE -D_UNICODE \
  -I"$root/src" "$here/name_editor_bench.cpp" -o "$out/name_editor_bench.exe"

"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$out/name_editor_bench.exe" "$rounds" "$(to_windows "$stage")"
