#!/usr/bin/env bash
# Save benchmark: rvocfg's OK and rvostyle's save, each save writing a changed
# value (rvocfg's caption, rvostyle's caption position): first the file work
# alone, natively (plan, read, merge, atomic replace); then, under Wine, from
# the click until the success message shows.
#   bench/settings_save/run.sh [ROUNDS]     (default 20)
# The builds: bench/native_build.sh and bench/rvo_stage.sh.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
rounds="${1:-20}"
# shellcheck source=../native_build.sh
. "$root/bench/native_build.sh"
native_build ravelo_settings_save_bench
echo "file work alone (native):"
"$build/bench/ravelo_settings_save_bench" 200
echo "click to success message (Wine):"
# shellcheck source=../rvo_stage.sh
. "$root/bench/rvo_stage.sh"
stage_rvo bench-settings-save rvocfg rvostyle settings_save_bench

"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$programs/settings_save_bench.exe" "$rounds" "$(to_windows "$stage")"
