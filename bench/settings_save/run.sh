#!/usr/bin/env bash
# Save benchmark: rvocfg's OK and rvostyle's save, each save writing a changed
# value (rvocfg's caption, rvostyle's caption position): first the file work
# alone, natively (plan, read, merge, atomic replace); then, under Wine, from
# the click until the success message shows.
#   bench/settings_save/run.sh [ROUNDS]     (default 20)
# RAVELO_BENCH_BUILD names the native build (default build/bench),
# RAVELO_BENCH_WIN_BUILD the cross build (default build/win).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
here="$root/bench/settings_save"
rounds="${1:-20}"
native="${RAVELO_BENCH_BUILD:-$root/build/bench}"
cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVELO_SANITIZE=OFF >/dev/null
cmake --build "$native" --target ravelo_settings_save_bench -j2 >/dev/null
echo "file work alone (native):"
"$native/bench/ravelo_settings_save_bench" 200
echo "click to success message (Wine):"
# shellcheck source=../rvo_stage.sh
. "$root/bench/rvo_stage.sh"
stage_rvo bench-settings-save rvocfg rvostyle

"$cxx" -std=c++20 -O2 -municode -static -DUNICODE -D_UNICODE \
  -I"$root/src" "$here/settings_save_bench.cpp" -o "$out/settings_save_bench.exe"

"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$out/settings_save_bench.exe" "$rounds" "$(to_windows "$stage")"
