#!/usr/bin/env bash
# Draw CPU benchmark: the CPU time rvo uses during a draw at the shipped
# 10 ms interval, against the same window idle, in one run under Wine on a
# private virtual screen; and what one tick repaints (a hook DLL in rvo
# measures every update region).
#   bench/draw_cpu/run.sh [SECONDS] [--music] [--no-probe] [--full-screen] [--screen WxH] [--count N]
# (default 10 s). --no-probe leaves the paint probe out, whose own work adds
# to rvo's CPU. --full-screen measures the same again in full screen and
# times entering and leaving it; --screen gives the virtual screen's size
# (default 1024x768). --count N measures a draw of N names at once and the
# single name after it in each place, on a list of 60 names.
# RAVELO_BENCH_WIN_BUILD names the cross build to take rvo from (default
# build/win, built here when needed).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# shellcheck source=../rvo_stage.sh
. "$root/bench/rvo_stage.sh"
stage_rvo bench-draw-cpu draw_cpu_bench paint_probe full_screen_floor

screen=()
args=()
while [ $# -gt 0 ]; do
  if [ "$1" = --count ]; then
    # 60 names of two characters, as a party's list has them.
    for family in 张 王 李 赵 刘 陈; do for given in 伟 芳 娜 敏 静 丽 强 磊 军 洋; do
      printf '%s%s\r\n' "$family" "$given"
    done; done | iconv -f UTF-8 -t GBK >"$stage/name.txt"
  fi
  if [ "$1" = --screen ]; then screen=(--screen "$2"); shift 2; else args+=("$1"); shift; fi
done

"$root/tools/with-display" --own "${screen[@]}" \
  "$root/tools/wine-run" "$programs/draw_cpu_bench.exe" \
  "$(to_windows "$stage/bin/rvo.exe")" "$(to_windows "$programs/paint_probe.dll")" "${args[@]}"
