#!/usr/bin/env bash
# Start-up benchmark: rvo and rvocfg (from a staged installation with the
# shipped settings and skin) against a minimal one-window Win32 program,
# started in turns under Wine on a private virtual screen, with the floor of a
# form like rvocfg's (the minimal window and the same standard controls) for
# comparison. Prints the times and their ratios to the minimal program's.
#   bench/startup/run.sh [ROUNDS]     (default 20)
# RAVELO_BENCH_WIN_BUILD names the cross build to take rvo from (default
# build/win, built here when needed).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
here="$root/bench/startup"
rounds="${1:-20}"
# shellcheck source=../rvo_stage.sh
. "$root/bench/rvo_stage.sh"
stage_rvo bench-startup rvocfg

# The two bench programs are one file each; they need no project settings.
"$cxx" -std=c++20 -O2 -municode -mwindows -static -DUNICODE -D_UNICODE \
  "$here/minimal_window.cpp" -o "$out/minimal_window.exe"
# The form floor carries rvocfg's manifest, so its controls are the same.
printf '#include <winuser.h>\n1 RT_MANIFEST "%s"\n' "$build/generated-resources/ravelo-classic.manifest" >"$out/floor.rc"
i686-w64-mingw32-windres "$out/floor.rc" -O coff -o "$out/floor_manifest.o"
"$cxx" -std=c++20 -O2 -municode -mwindows -static -DUNICODE -D_UNICODE -DRAVELO_FORM_FLOOR \
  "$here/minimal_window.cpp" "$out/floor_manifest.o" -o "$out/form_floor.exe"
"$cxx" -std=c++20 -O2 -municode -static -DUNICODE -D_UNICODE \
  "$here/startup_bench.cpp" -o "$out/startup_bench.exe"

"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$out/startup_bench.exe" "$rounds" \
  "$(to_windows "$stage/bin/rvo.exe")" "$(to_windows "$out/minimal_window.exe")" \
  "$(to_windows "$stage/bin/rvocfg.exe")" "$(to_windows "$out/form_floor.exe")"
