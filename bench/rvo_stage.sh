# Sourced by the benchmarks that run rvo under Wine. stage_rvo NAME [TARGET...]
# builds rvo, the skin and any further targets (rvostyle) in the cross build
# (RAVELO_BENCH_WIN_BUILD, default build/win) and copies its installation with
# the shipped settings to a private one, so the build's own stays untouched. It sets build, out (the benchmark's folder
# in the build, NAME), stage (the private installation) and cxx (the
# compiler for the one-file bench programs). Needs root.
stage_rvo() {
  build="${RAVELO_BENCH_WIN_BUILD:-$root/build/win}"
  out="$build/$1"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$build" --target rvo ravelo_skin "${@:2}" -j2 >/dev/null
  mkdir -p "$out"
  stage="$out/Ravelo"
  rm -rf "$stage" && cp -r "$build/Ravelo" "$stage"
  cxx=i686-w64-mingw32-g++-posix
}

# A Unix path as Wine's programs see it, on the Z: drive.
to_windows() { echo "Z:${1//\//\\}"; }
