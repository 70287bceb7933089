#!/usr/bin/env bash
# Runs every benchmark and prints its figures (nothing fails on a slow
# figure). Each one can also be run alone:
#   bench/run.sh              name list: Loadname against getline (native)
#   bench/startup/run.sh      rvo and rvocfg start-up against a minimal window (Wine);
#                             with --lists 30 also rvo with 30 lists in lists\
#   bench/label_paint/run.sh  cost and area of one text-line repaint (Wine)
#   bench/draw_cpu/run.sh     CPU of a 10 s draw against idle (Wine); with
#                             --full-screen --screen WxH also in full screen;
#                             with --count 50 50 names at once beside one
#   bench/style_drag/run.sh   rvostyle's CPU and repaint per mouse move of a drag (Wine)
#   bench/name_editor/run.sh  rvocfg's name list editor against notepad (Wine)
#   bench/settings_save/run.sh  rvocfg's OK and rvostyle's save: file work (native), click to message (Wine)
#   bench/roster_import/run.sh  importing a roster (.xlsx, .csv) up to the preview (native)
#   bench/lists/run.sh        rvo switching between two lists (Wine); the drawn
#                             names written after a stop (native)
#
#   tools/bench.sh            every benchmark at its full size
#   tools/bench.sh --smoke    every benchmark once at its smallest size; fails
#                             when one does not build, does not finish in time
#                             or prints no figure. tools/test-all.sh runs it
#                             (with RAVELO_BENCH_BUILD set to its host build).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
smoke=0
[ "${1:-}" = "--smoke" ] && smoke=1

# name | full arguments | smoke arguments ("-": not in the smoke run, whose
# path another line already takes). A figure is a number with its unit (ms,
# MiB, %...) on the benchmark's output.
benches=(
  "run.sh||--names 20000 --repeats 1"
  "startup/run.sh|30 --lists 30|1 --lists 30"
  "label_paint/run.sh|1000|10"
  "draw_cpu/run.sh|10|1"
  "draw_cpu/run.sh|10 --full-screen --screen 3840x2160|1 --full-screen --screen 3840x2160"
  "draw_cpu/run.sh|10 --full-screen --screen 1920x1080|-"
  "draw_cpu/run.sh|10 --count 50 --full-screen --screen 1920x1080|1 --count 50"
  "style_drag/run.sh|5|1"
  "name_editor/run.sh|10|1 2000"
  "settings_save/run.sh|20|1"
  "roster_import/run.sh||--smoke"
  "lists/run.sh|20 50000|1 2000"
)

[ $smoke = 1 ] || bash "$root/tools/install-deps.sh" >/dev/null
failed=()
ran=0
t0=$(date +%s)
for entry in "${benches[@]}"; do
  IFS='|' read -r script full small <<<"$entry"
  args=$full
  if [ $smoke = 1 ]; then
    [ "$small" = - ] && continue
    args=$small
    ran=$((ran + 1))
  fi
  printf '\n=== bench/%s %s\n' "$script" "$args"
  if [ $smoke = 0 ]; then
    # shellcheck disable=SC2086
    bash "$root/bench/$script" $args
    continue
  fi
  log=$(mktemp)
  started=$(date +%s)
  # shellcheck disable=SC2086
  if timeout 120 bash "$root/bench/$script" $args >"$log" 2>&1; then status=0; else status=$?; fi
  cat "$log"
  if [ $status -ne 0 ]; then
    failed+=("bench/$script (exit $status$([ $status = 124 ] && echo ', timed out'))")
  elif ! grep -Eq '[0-9](\.[0-9]+)? ?(ms|MiB|MB|%)' "$log"; then
    failed+=("bench/$script (no figure)")
  fi
  echo "--- $(( $(date +%s) - started )) s"
  rm -f "$log"
done
if [ $smoke = 1 ]; then
  echo
  echo "benchmark smoke run: $(( ran - ${#failed[@]} )) of $ran ran and printed figures in $(( $(date +%s) - t0 )) s"
  if [ ${#failed[@]} -gt 0 ]; then
    printf 'broken: %s\n' "${failed[@]}"
    exit 1
  fi
fi
