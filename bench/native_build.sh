# Sourced by the native benchmarks. native_build TARGET builds TARGET and sets
# build: by default build/bench, in Release without sanitizers, for figures
# worth quoting; RAVELO_BENCH_BUILD names a build that exists already (the
# smoke run takes the test build's), used as it is configured.
native_build() {
  if [ -n "${RAVELO_BENCH_BUILD:-}" ]; then
    build=$RAVELO_BENCH_BUILD
  else
    build="$root/build/bench"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRAVELO_SANITIZE=OFF >/dev/null
  fi
  cmake --build "$build" --target "$1" -j2 >/dev/null
}
