#!/usr/bin/env bash
# Builds the libFuzzer targets (Clang, AddressSanitizer, UBSan) in build/fuzz
# and runs each for SECONDS (default 60), one after the other, starting from
# the seeds in fuzz/seeds. New inputs go to build/fuzz/corpus, failing ones
# to build/fuzz/findings. Exits non-zero when a target fails.
#   tools/fuzz.sh [SECONDS] [TARGET...]   e.g. tools/fuzz.sh 600 profile
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-60}
shift || true
build=build/fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DRAVELO_FUZZ=ON -DRAVELO_BUILD_TESTS=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(sed -n 's/^set(RAVELO_FUZZ_TARGETS \(.*\))$/\1/p' fuzz/CMakeLists.txt))
fi
cmake --build "$build" -j 2 --target "${targets[@]/#/fuzz_}"

mkdir -p "$build/findings"
failed=()
for name in "${targets[@]}"; do
  mkdir -p "$build/corpus/$name"
  echo "fuzz: $name for ${seconds}s"
  if ! "$build/fuzz/fuzz_$name" "$build/corpus/$name" "fuzz/seeds/$name" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
      -artifact_prefix="$build/findings/$name-" >"$build/$name.log" 2>&1; then
    tail -n 40 "$build/$name.log"
    failed+=("$name")
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE' "$build/$name.log" | sed "s/^/  /" || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: FAILED ${failed[*]} (inputs in $build/findings)"
  exit 1
fi
echo "fuzz: ok"
