#!/usr/bin/env bash
# The release under Wine, in a fresh prefix of its own: a setup whose grant
# of rights fails leaves nothing; a silent install of the setup (files,
# registry entry, shortcuts, the rights it asks icacls for), rvo started from
# the installed folder (setup and uninstaller refuse to run meanwhile), an
# install over edited data, a silent uninstall that keeps the operator's data
# and files, a reinstall that finds them, and an uninstall asked to delete the
# data that reports what it could not remove. Then the help file, decompiled:
# every topic of its contents and every picture they show packed into it.
#
# usage: release_e2e.sh SETUP_EXE STAGED_INSTALLATION TOOLS_FOLDER
set -uo pipefail
setup=${1:?setup}
stage=${2:?staged installation}
tools=${3:?tools folder}
for f in "$setup" "$stage/bin/rvohelp.chm"; do [ -f "$f" ] || { echo "missing $f"; exit 1; }; done

work=$(mktemp -d "${TMPDIR:-/tmp}/ravelo-release.XXXXXX")
export RAVELO_WINEPREFIX="$work/prefix" RAVELO_WINE_UNMANAGED=1
. "$tools/wine-env.sh"
cleanup() { wineserver -k 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

checks=0 failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
expect() { checks=$((checks + 1)); "$@" || fail "$*"; }  # expect COMMAND...: it must succeed
ravelo_wine_prefix

inst="$WINEPREFIX/drive_c/Program Files/Ravelo"
inst_win='C:\Program Files\Ravelo'
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Ravelo"
desktop="$WINEPREFIX/drive_c/users/Public/Desktop"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ravelo'
shortcuts=("Ravelo抽签:rvo.exe" "Ravelo配置程序:rvocfg.exe" "Ravelo风格编辑:rvostyle.exe"
  "Ravelo使用帮助:rvohelp.chm" "卸载Ravelo:uninst.exe")
# Installed files, from the manifest.
mapfile -t files < <(sed -n 's/^\(program\|data\) //p' "$tools/../resources/install/manifest.txt" | tr '\\' '/')

# run_setup: a silent install; the icacls stub of Wine logs its arguments.
run_setup() {
  WINEDEBUG=-all,fixme+icacls wine "$setup" /S 2>"$work/setup.log"
  expect test $? -eq 0
}
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | iconv -f GBK -t UTF-8 | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
key_gone() { ! wine reg query "$1" >/dev/null 2>&1; }
same_as_stage() { cmp -s "$stage/$1" "$inst/$1"; }
tree() { (cd "$inst/.." && find Ravelo | LC_ALL=C sort | tr '\n' ' '); }
snapshot() { find "$inst" -printf '%p %s %T@\n' 2>/dev/null | sort; }
# uninstall [ARGS]: a silent uninstall that waits for its end and gives its
# exit code. _?= keeps it in place (so it cannot delete itself); NSIS reads it
# only unquoted, hence a batch file.
uninstall() {
  printf '@"%s\\bin\\uninst.exe" /S %s _?=%s\\bin\r\n@exit /b %%ERRORLEVEL%%\r\n' "$inst_win" "$*" "$inst_win" \
    >"$WINEPREFIX/drive_c/uninstall.bat"
  wine cmd /c 'C:\uninstall.bat' >/dev/null
}

# --- a grant that fails fails the install --------------------------------------------
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;icacls.exe=d" wine "$setup" /S  # icacls cannot start
expect test $? -eq 3
expect test ! -e "$inst"
expect key_gone 'HKLM\Software\Ravelo'

# --- silent install ------------------------------------------------------------
run_setup
for f in "${files[@]}"; do expect same_as_stage "$f"; done
expect test "$(reg_value "$uninstall_key" DisplayVersion)" = "$(sed -n 's/.*Ravelo-\(.*\)-setup.exe/\1/p' <<<"$setup")"
expect test "$(reg_value "$uninstall_key" UninstallString)" = "\"$inst_win\\bin\\uninst.exe\""
expect test "$(reg_value "$uninstall_key" QuietUninstallString)" = "\"$inst_win\\bin\\uninst.exe\" /S"
size_kb=$(($(du -sk --apparent-size "$inst" | cut -f1)))
estimated=$(($(reg_value "$uninstall_key" EstimatedSize)))
expect test "$estimated" -gt $((size_kb / 2)) -a "$estimated" -le "$size_kb"
expect test "$(reg_value 'HKLM\Software\Ravelo' InstallDir)" = "$inst_win"
for s in "${shortcuts[@]}"; do
  expect grep -aq "${s#*:}" "$menu/${s%%:*}.lnk"
done
expect grep -aq rvo.exe "$desktop/Ravelo抽签.lnk"
# Users may create files in the data root, common\, lists\ and drawn\ and
# replace their files, nothing more: earlier grants go, then each folder gets
# (WD) for itself and (W,D) for its files only. Nothing for bin\.
grants=$(grep -a 'icacls.*stub:' "$work/setup.log" | sed 's/\\\\/\\/g; s/"//g')
for folder in "$inst_win" "$inst_win\\common" "$inst_win\\lists" "$inst_win\\drawn"; do
  for g in "/remove:g *S-1-5-32-545" "/grant *S-1-5-32-545:(WD)" "/grant *S-1-5-32-545:(OI)(IO)(NP)(W,D)"; do
    expect grep -qF "$folder $g" <<<"$grants"
  done
done
expect test "$(grep -c 'S-1-5-32-545' <<<"$grants")" -eq 12

# --- rvo starts from the installed folder ----------------------------------------
wine "$inst/bin/rvo.exe" >/dev/null 2>&1 &
rvo=$! window=""
for _ in $(seq 1 100); do window=$(xdotool search --onlyvisible --name '^Ravelo$' | head -1) && [ -n "$window" ] && break; sleep 0.1; done 2>/dev/null
width=$(xdotool getwindowgeometry "$window" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
expect test "${width:-0}" -ge 600  # the draw window, not a message box
# While it runs, a silent install over it and the uninstaller stop before they
# change anything.
before=$(snapshot)
wine "$setup" /S
expect test $? -eq 2
uninstall
expect test $? -eq 2
expect test "$before" = "$(snapshot)"
kill $rvo 2>/dev/null; wait $rvo 2>/dev/null

# --- an install over edited data keeps it ------------------------------------------
printf '甲\r\n乙\r\n' | iconv -f UTF-8 -t GBK >"$inst/name.txt"
sed -i 's/^caption=Ravelo/caption=年会/' "$inst/common/rvoconfig.rcf"
cp "$inst/name.txt" "$work/name.txt" && cp "$inst/common/rvoconfig.rcf" "$work/rvoconfig.rcf"
rm "$inst/bin/rvocfg.exe" && printf 'x' >>"$inst/common/back.pte"
run_setup
expect cmp -s "$work/name.txt" "$inst/name.txt"
expect cmp -s "$work/rvoconfig.rcf" "$inst/common/rvoconfig.rcf"
expect same_as_stage bin/rvocfg.exe
expect same_as_stage common/back.pte

# --- an uninstall keeps the operator's data and files ---------------------------------
printf 'mine' | tee "$inst/名单备份.txt" >"$inst/common/my-back.jpg"
printf '2026-01-01 10:00:00\t甲\r\n' >"$inst/history.txt"
cp "$inst/history.txt" "$work/history.txt"
printf '\xEF\xBB\xBF一等奖\t1\r\n' | tee "$inst/rounds.txt" >"$work/rounds.txt"
printf '丙\r\n' >"$inst/lists/一班.txt"
uninstall
expect test $? -eq 0
expect test "$(tree)" = "Ravelo Ravelo/bin Ravelo/bin/uninst.exe Ravelo/common Ravelo/common/my-back.jpg \
Ravelo/common/rvoconfig.rcf Ravelo/history.txt Ravelo/lists Ravelo/lists/一班.txt Ravelo/name.txt Ravelo/rounds.txt \
Ravelo/名单备份.txt "
expect test ! -e "$menu"
expect test ! -e "$desktop/Ravelo抽签.lnk"
expect key_gone "$uninstall_key"
expect key_gone 'HKLM\Software\Ravelo'

# --- a reinstall finds them; an uninstall asked to delete them does -------------------
run_setup
for f in name.txt common/rvoconfig.rcf history.txt rounds.txt; do expect cmp -s "$work/${f##*/}" "$inst/$f"; done
# A folder where the list names a file: the cleaner leaves it and the
# uninstaller says so (silent: exit code 4) instead of claiming success.
rm "$inst/common/back.pte" && mkdir "$inst/common/back.pte"
uninstall /DELETEDATA=1
expect test $? -eq 4
expect test "$(tree)" = "Ravelo Ravelo/bin Ravelo/bin/uninst.exe Ravelo/common Ravelo/common/back.pte \
Ravelo/common/my-back.jpg Ravelo/名单备份.txt "
expect key_gone "$uninstall_key"

# --- the help file ---------------------------------------------------------------
extract_chmLib "$stage/bin/rvohelp.chm" "$work/chm" >/dev/null
decode() { iconv -f GBK -t UTF-8 "$1"; }
mapfile -t topics < <(decode "$work/chm/toc.hhc" | grep -o 'name="Local" value="[^"]*"' | cut -d'"' -f4)
expect test "${#topics[@]}" -ge 7
for topic in "${topics[@]}"; do
  expect test -s "$work/chm/$topic"
  for picture in $(decode "$work/chm/$topic" | grep -o '<img [^>]*src="[^"]*"' | sed 's/.*src="//; s/"$//'); do
    expect test -s "$work/chm/$picture"
  done
done

echo "release e2e: $checks checks, $failures failures; setup $(stat -c %s "$setup") bytes"
[ $failures -eq 0 ]
