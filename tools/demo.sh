#!/usr/bin/env bash
# Builds the suite and starts rvo from a demo installation under Wine: on
# the current X display when there is one, else on a virtual screen, where it
# saves a screenshot and prints its path.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash tools/install-deps.sh
# The 32-bit build, or the 64-bit one where Wine runs only 64-bit programs.
. tools/windows-target.sh
cmake -S . -B "$RAVELO_WIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$RAVELO_WIN_TOOLCHAIN" >/dev/null
cmake --build "$RAVELO_WIN_BUILD"
demo=${RAVELO_DEMO_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/ravelo/demo}
rm -rf "$demo" && mkdir -p "$demo" && cp -r "$RAVELO_WIN_BUILD/Ravelo" "$demo/"
echo "demo installation: $demo/Ravelo"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec tools/wine-run "$demo/Ravelo/bin/rvo.exe"
fi
shot="$root/build/demo-screenshot.png"
tools/with-display --own bash -c '
  tools/wine-run "'"$demo"'/Ravelo/bin/rvo.exe" & pid=$!
  for _ in $(seq 1 100); do xdotool search --name "^Ravelo$" >/dev/null 2>&1 && break; sleep 0.2; done
  sleep 1.5
  import -window root "'"$shot"'"
  kill $pid 2>/dev/null || true'
echo "no X display: rvo ran on a virtual screen; screenshot: $shot"
