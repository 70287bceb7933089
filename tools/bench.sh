#!/usr/bin/env bash
# Runs every benchmark and prints its figures (not a test: nothing fails on a
# slow machine). Each one can also be run alone:
#   bench/run.sh              name list: Loadname against getline (native)
#   bench/startup/run.sh      rvo and rvocfg start-up against a minimal window (Wine)
#   bench/label_paint/run.sh  cost and area of one text-line repaint (Wine)
#   bench/draw_cpu/run.sh     CPU of a 10 s draw against idle (Wine)
#   bench/style_drag/run.sh   rvostyle's CPU and repaint per mouse move of a drag (Wine)
#   bench/name_editor/run.sh  rvocfg's name list editor against notepad (Wine)
#   bench/roster_import/run.sh  importing a roster (.xlsx, .csv) up to the preview (native)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/tools/install-deps.sh" >/dev/null
for b in run.sh startup/run.sh label_paint/run.sh draw_cpu/run.sh style_drag/run.sh name_editor/run.sh \
         roster_import/run.sh; do
  printf '\n=== bench/%s\n' "$b"
  bash "$root/bench/$b"
done
