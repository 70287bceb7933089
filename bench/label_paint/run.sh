#!/usr/bin/env bash
# Text-line repaint benchmark of the skinned frame under Wine on a private
# virtual screen: time per change of the text line and the share of the
# content area it repaints.
#   bench/label_paint/run.sh [CHANGES]     (default 1000, at least 10)
# The background picture is the shipped skin's. RAVELO_BENCH_WIN_BUILD names
# the cross build (default build/win, built here when needed).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
changes="${1:-1000}"
# shellcheck source=../rvo_stage.sh
. "$root/bench/rvo_stage.sh"
stage_rvo bench-label-paint label_paint_bench

"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$programs/label_paint_bench.exe" "$(to_windows "$stage/common/back.pte")" "$changes"
