#!/usr/bin/env bash
# run.sh TESTS_EXE: the high-DPI and full-screen tests on a 3840 x 2160
# screen of their own, in a Wine prefix of their own (its display settings
# stay apart from the other tests').
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
export RAVELO_WINEPREFIX="${RAVELO_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/ravelo/test-prefix}-large-screen"
export RAVELO_WINE_UNMANAGED=1
exec "$root/tools/with-display" --own --screen 3840x2160 "$root/tools/wine-run" "$1"
