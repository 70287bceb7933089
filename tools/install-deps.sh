#!/usr/bin/env bash
# Installs what building and testing need on Debian 12: MinGW-w64 (32-bit for
# the product, 64-bit for testing where the kernel runs no 32-bit code), Wine,
# Xvfb and X tools, Chinese fonts, the zh_CN.UTF-8 locale, GoogleTest, zlib for
# both builds (the host's and MinGW-w64's, linked statically), Clang with
# libFuzzer for the fuzz targets, and the release tools: NSIS (makensis), chmcmd
# (fp-utils) and extract_chmLib (libchm-bin).
# Safe to re-run: it installs only what is missing.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  NEED_UPDATE=1
fi

for p in cmake ninja-build g++ make git locales \
         g++-mingw-w64-i686-posix mingw-w64-i686-dev zlib1g-dev libz-mingw-w64-dev \
         g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev \
         wine wine32:i386 wine64 xvfb xdotool x11-utils imagemagick fonts-wqy-zenhei \
         googletest libgtest-dev python3 file clang libclang-rt-14-dev \
         nsis fp-utils libchm-bin; do
  have "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "install-deps: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

# The zh_CN.UTF-8 locale makes Wine use code page 936 for Chinese paths and arguments.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  if [ -w /etc/locale.gen ] || [ -n "$SUDO" ]; then
    $SUDO sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  fi
fi
echo "install-deps: ok"
