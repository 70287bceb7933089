#!/usr/bin/env bash
# Lists benchmark: switching rvo between two lists of NAMES names from its
# menu (Wine; one of them with half its names drawn in a round without
# repeats), and the file rvo writes after a stop of such a round with all but
# one of NAMES names drawn (native).
#   bench/lists/run.sh [ROUNDS] [NAMES]     (default 20 and 50000)
# Start-up with 30 lists against none: bench/startup/run.sh ROUNDS --lists 30.
# The builds: bench/native_build.sh and bench/rvo_stage.sh.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
rounds="${1:-20}"
names="${2:-50000}"
# shellcheck source=../native_build.sh
. "$root/bench/native_build.sh"
native_build ravelo_drawn_state_bench
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
echo "state written after a stop (native):"
"$build/bench/ravelo_drawn_state_bench" "$names" "$rounds" "$scratch"

echo "list switch (Wine):"
# shellcheck source=../rvo_stage.sh
. "$root/bench/rvo_stage.sh"
stage_rvo bench-lists list_switch_bench
python3 - "$stage" "$names" <<'PY'
import os, sys
stage, count = sys.argv[1], int(sys.argv[2])
os.makedirs(os.path.join(stage, "lists"), exist_ok=True)
os.makedirs(os.path.join(stage, "drawn"), exist_ok=True)
for title, prefix in (("甲班", "甲"), ("乙班", "乙")):
    names = [f"{prefix}同学{i:06d}" for i in range(count)]
    with open(os.path.join(stage, "lists", title + ".txt"), "wb") as f:
        f.write("".join(n + "\r\n" for n in names).encode("gbk"))
# 甲班 is half drawn in a round without repeats.
drawn = [f"甲同学{i:06d}" for i in range(0, count, 2)]
with open(os.path.join(stage, "drawn", "甲班.txt"), "wb") as f:
    f.write((f"Ravelo drawn names {len(drawn)}\r\n" + "".join(n + "\r\n" for n in drawn)).encode("utf-8"))
with open(os.path.join(stage, "common", "rvoconfig.rcf"), "ab") as f:
    f.write(b"[Draw]\r\nnorepeat=1 \r\n")
PY
"$root/tools/with-display" --own \
  "$root/tools/wine-run" "$programs/list_switch_bench.exe" "$rounds" "$(to_windows "$stage")"
