#!/usr/bin/env bash
# Refreshes the pictures of the help file (resources/help/images/*.jpg) from
# the real windows: builds the Windows programs and the screenshot program,
# runs it under Wine on a private virtual screen, and converts its BMPs to
# JPEG (a tenth of the size of PNG for the gradient backgrounds). A program
# whose window does not show yet is skipped (its old picture, if any, stays).
# Rebuild afterwards to compile them into rvohelp.chm.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
. tools/windows-target.sh
build=$RAVELO_WIN_BUILD
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$RAVELO_WIN_TOOLCHAIN" >/dev/null
cmake --build "$build" -j 2 --target ravelo_help_screenshots

shots=$(mktemp -d "${TMPDIR:-/tmp}/ravelo-shots.XXXXXX")
trap 'rm -rf "$shots"' EXIT
export RAVELO_WINE_UNMANAGED=1
tools/with-display --own bash -c '. tools/wine-env.sh && ravelo_wine_prefix &&
  wine "$1" "Z:${2//\//\\}"' _ "$build/tests/e2e/ravelo_help_screenshots.exe" "$shots"

for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] || continue
  jpg="resources/help/images/$(basename "${bmp%.bmp}").jpg"
  convert "$bmp" -strip -quality 88 "$jpg"
  echo "help-screenshots: $jpg"
done
