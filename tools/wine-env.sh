# Sourced by the scripts that run Windows programs: one private 32-bit Wine
# prefix outside the source tree, code page 936, no first-run side effects.
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX=${RAVELO_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/ravelo/wine-prefix}
export LC_ALL=zh_CN.UTF-8
export LANG=zh_CN.UTF-8

# Creates the prefix once; concurrent callers wait for the first one.
ravelo_wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.ravelo-ready" ]; then
      rm -rf "$WINEPREFIX"
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w
      touch "$WINEPREFIX/.ravelo-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
}
