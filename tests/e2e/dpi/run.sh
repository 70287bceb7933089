#!/usr/bin/env bash
# run.sh TESTS_EXE: the high-DPI tests on a 1920 x 1080 screen of their own,
# in a Wine prefix of their own (its display settings stay apart from the
# other tests').
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
export RAVELO_WINEPREFIX="${RAVELO_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/ravelo/test-prefix}-hidpi"
export RAVELO_WINE_UNMANAGED=1
exec "$root/tools/with-display" --own --screen 1920x1080 "$root/tools/wine-run" "$1"
