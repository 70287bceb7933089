# Sourced by the scripts that build or run the Windows programs: which build
# Wine can run here.
#
# The product is 32-bit (build/win, cmake/mingw-i686.cmake). Wine runs it
# when the kernel runs 32-bit Linux programs (Wine's own loader is one). Some
# virtual machines run 64-bit code only: there the same sources are also
# built for x86_64 (build/win64) and the tests, benchmarks and demo run that
# build under 64-bit Wine. RAVELO_WINE_BITS=32 or 64 forces the choice.
if [ -z "${RAVELO_WINE_BITS:-}" ]; then
  if /usr/lib/wine/wine --version >/dev/null 2>&1 || ! [ -x /usr/lib/wine/wine64 ]; then
    RAVELO_WINE_BITS=32
  else
    RAVELO_WINE_BITS=64
  fi
fi
export RAVELO_WINE_BITS
_ravelo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ "$RAVELO_WINE_BITS" = 64 ]; then
  RAVELO_WIN_BUILD=${RAVELO_WIN_BUILD:-$_ravelo_root/build/win64}
  RAVELO_WIN_TOOLCHAIN=$_ravelo_root/cmake/mingw-x86_64.cmake
else
  RAVELO_WIN_BUILD=${RAVELO_WIN_BUILD:-$_ravelo_root/build/win}
  RAVELO_WIN_TOOLCHAIN=$_ravelo_root/cmake/mingw-i686.cmake
fi
export RAVELO_WIN_BUILD RAVELO_WIN_TOOLCHAIN
