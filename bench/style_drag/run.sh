#!/usr/bin/env bash
# Style drag benchmark: rvostyle's CPU per mouse move while the text line is
# dragged across the content area at 60 moves a second, against idle, under
# Wine on a private virtual screen; and what each move repaints (the paint
# probe of the draw CPU benchmark, hooked into rvostyle).
#   bench/style_drag/run.sh [SECONDS]     (default 5)
# RAVELO_BENCH_WIN_BUILD names the cross build (default build/win).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# shellcheck source=../rvo_stage.sh
. "$root/bench/rvo_stage.sh"
stage_rvo bench-style-drag rvostyle style_drag_bench paint_probe

"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$programs/style_drag_bench.exe" \
  "$(to_windows "$stage/bin/rvostyle.exe")" "$(to_windows "$programs/paint_probe.dll")" "$@"
