#!/usr/bin/env bash
# Text-line repaint benchmark of the skinned frame under Wine on a private
# virtual screen: time per change of the text line and the share of the
# content area it repaints.
#   bench/label_paint/run.sh [CHANGES]     (default 1000)
# The background picture comes from the skin generator.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
here="$root/bench/label_paint"
changes="${1:-1000}"
out="${RAVELO_BENCH_OUT:-$root/build/bench-label-paint}"
mkdir -p "$out/skin" "$out/rc"
python3 "$root/resources/skin/generate.py" --stage "$out/skin" --rc "$out/rc" >/dev/null

src="$root/src"
i686-w64-mingw32-g++-posix -std=c++20 -O2 -municode -static -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN \
  -DNOMINMAX -D_WIN32_WINNT=0x0601 -I"$src" "$here/label_paint_bench.cpp" \
  "$src"/shared/win/{window,gdi,offscreen,label_font,text_label,content_panel,picture,bitmap_file,skinned_frame,window_drag}.cpp \
  "$src/shared/core/frame_layout.cpp" -lgdi32 -luser32 -lwindowscodecs -luuid -o "$out/label_paint_bench.exe"

background="Z:${out//\//\\}\\skin\\common\\back.pte"
"$root/tools/with-display" --own "$root/tools/wine-run" "$out/label_paint_bench.exe" "$background" "$changes"
