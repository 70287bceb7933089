#!/usr/bin/env bash
# run.sh TESTS_EXE SHOT_FOLDER: rvo at 144 DPI on a 1920 x 1080 screen of its
# own, in a Wine prefix of its own (its display settings stay apart from the
# other tests'). The test program checks the geometry and saves the window at
# 96 and at 144 DPI; here the 144-DPI picture, scaled down by 1.5, must match
# the 96-DPI one within a small mean difference.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
exe=$1
shots=$2
limit=0.03  # mean absolute difference, 0..1 of full scale
mkdir -p "$shots"
rm -f "$shots"/rvo-*
export RAVELO_WINEPREFIX="${RAVELO_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/ravelo/test-prefix}-hidpi"
export RAVELO_WINE_UNMANAGED=1
export RAVELO_DPI_SHOTS="Z:${shots//\//\\}"
"$root/tools/with-display" --own --screen 1920x1080 "$root/tools/wine-run" "$exe"

for dpi in 96 144; do convert "$shots/rvo-$dpi.ppm" "$shots/rvo-$dpi.png" && rm "$shots/rvo-$dpi.ppm"; done
size=$(identify -format '%wx%h' "$shots/rvo-96.png")
convert "$shots/rvo-144.png" -resize "$size!" "$shots/rvo-144-scaled.png"
# "compare" prints "absolute (normalised)" and exits 1 when the pictures differ at all.
measured=$(compare -metric MAE "$shots/rvo-96.png" "$shots/rvo-144-scaled.png" null: 2>&1 || true)
difference=$(sed -n 's/.*(\(.*\)).*/\1/p' <<<"$measured")
echo "rvo-96.png against rvo-144.png scaled by 1/1.5 ($size): mean difference $difference (limit $limit)"
echo "pictures: $shots/rvo-96.png $shots/rvo-144.png"
awk -v d="$difference" -v l="$limit" 'BEGIN { exit !(d != "" && d <= l) }'
