#!/usr/bin/env bash
# Builds the Windows setup build/dist/Ravelo-<version>-setup.exe: installs what
# is missing, cross-builds the programs, compiles the help file rvohelp.chm
# (chmcmd) and packs the staged installation with NSIS (makensis). The
# version is the project version in CMakeLists.txt.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash tools/install-deps.sh
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win -j "$(nproc 2>/dev/null || echo 2)" --target ravelo_setup
version=$(sed -n 's/^project(Ravelo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup="Ravelo-$version-setup.exe"
mkdir -p build/dist
cp "build/win/dist/$setup" "build/dist/$setup"
echo "package: build/dist/$setup ($(stat -c %s "build/dist/$setup") bytes)"
