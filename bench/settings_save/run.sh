#!/usr/bin/env bash
# Save benchmark: rvocfg's OK and rvostyle's save, each save writing a changed
# value (rvocfg's caption, rvostyle's caption position): first the file work
# alone, natively (plan, read, merge, atomic replace); then, under Wine, from
# the click until the success message shows.
#   bench/settings_save/run.sh [ROUNDS]     (default 20)
# RAVELO_BENCH_BUILD names a native build to use as it is configured
# (default build/bench, in Release), RAVELO_BENCH_WIN_BUILD the cross build
# (bench/rvo_stage.sh).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
rounds="${1:-20}"
if [ -n "${RAVELO_BENCH_BUILD:-}" ]; then
  native=$RAVELO_BENCH_BUILD
else
  native="$root/build/bench"
  cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVELO_SANITIZE=OFF >/dev/null
fi
cmake --build "$native" --target ravelo_settings_save_bench -j2 >/dev/null
echo "file work alone (native):"
"$native/bench/ravelo_settings_save_bench" 200
echo "click to success message (Wine):"
# shellcheck source=../rvo_stage.sh
. "$root/bench/rvo_stage.sh"
stage_rvo bench-settings-save rvocfg rvostyle settings_save_bench

"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$programs/settings_save_bench.exe" "$rounds" "$(to_windows "$stage")"
