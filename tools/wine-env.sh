# Sourced by the scripts that run Windows programs: one private Wine
# prefix outside the source tree, code page 936, no first-run side effects.
. "$(dirname "${BASH_SOURCE[0]}")/windows-target.sh"
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# RAVELO_DLL_OVERRIDES adds overrides of a test's own ("winmm=n,b").
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${RAVELO_DLL_OVERRIDES:+;$RAVELO_DLL_OVERRIDES}"
export WINEPREFIX=${RAVELO_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/ravelo/wine-prefix}
if [ "$RAVELO_WINE_BITS" = 64 ]; then
  # A 64-bit prefix of its own beside the 32-bit one.
  export WINEARCH=win64
  case $WINEPREFIX in *-win64) ;; *) WINEPREFIX=$WINEPREFIX-win64 ;; esac
  case ":$PATH:" in *":$_ravelo_root/tools/wine64:"*) ;; *) export PATH="$_ravelo_root/tools/wine64:$PATH" ;; esac
fi
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
      if [ "${RAVELO_WINE_UNMANAGED:-0}" = 1 ]; then
        # Test screens have no window manager: unmanaged windows spare Wine
        # its 2 s wait for one whenever a framed window hides.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
      fi
      wineserver -w
      touch "$WINEPREFIX/.ravelo-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
}
