#!/usr/bin/env bash
# run.sh TESTS_EXE SHOT_FOLDER: the high-DPI tests on a 1920 x 1080 screen of
# their own, in a Wine prefix of their own (its display settings stay apart
# from the other tests'); rvo's pictures at 96 and 144 DPI land in SHOT_FOLDER.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
export RAVELO_WINEPREFIX="${RAVELO_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/ravelo/test-prefix}-hidpi"
export RAVELO_WINE_UNMANAGED=1
mkdir -p "$2"
export RAVELO_DPI_SHOTS="Z:${2//\//\\}"
exec "$root/tools/with-display" --own --screen 1920x1080 "$root/tools/wine-run" "$1"
