# Sourced by the benchmarks that run rvo under Wine. stage_rvo NAME [TARGET...]
# builds rvo, the skin and any further targets (rvostyle) in the cross build
# (RAVELO_BENCH_WIN_BUILD, default build/win, or build/win64 where Wine runs
# only 64-bit programs: tools/windows-target.sh) and copies its installation with
# the shipped settings to a private one, so the build's own stays untouched.
# It sets build, out (the benchmark's folder in the build, NAME), stage (the
# private installation) and programs (where the build puts the bench
# programs, which are targets of the build like the suite's own).
stage_rvo() {
  . "$root/tools/windows-target.sh"
  build="${RAVELO_BENCH_WIN_BUILD:-$RAVELO_WIN_BUILD}"
  out="$build/$1"
  # The toolchain only when the build is new (CMake warns that an existing
  # build does not use it again).
  local toolchain=()
  [ -f "$build/CMakeCache.txt" ] || toolchain=(-DCMAKE_TOOLCHAIN_FILE="$RAVELO_WIN_TOOLCHAIN")
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${toolchain[@]}" >/dev/null
  cmake --build "$build" --target rvo ravelo_skin "${@:2}" -j2 >/dev/null
  mkdir -p "$out"
  stage="$out/Ravelo"
  rm -rf "$stage" && cp -r "$build/Ravelo" "$stage"
  programs="$build/bench/programs"
}

# A Unix path as Wine's programs see it, on the Z: drive.
to_windows() { echo "Z:${1//\//\\}"; }
