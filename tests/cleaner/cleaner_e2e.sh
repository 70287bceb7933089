#!/usr/bin/env bash
# End-to-end tests of rvofilecmd under Wine. Each case copies the staged
# installation into a fresh folder, writes its bin\filelist.db (GBK), runs the
# cleaner (which must end by itself) and checks what is left. The shipped list
# against the whole installation is the release test's uninstall; links on the
# way are cleanup_actions_tests'.
#
# usage: cleaner_e2e.sh STAGED_INSTALLATION TOOLS_FOLDER
set -uo pipefail
stage=${1:?staged installation}
tools=${2:?tools folder}
wine_run="$tools/wine-run"
[ -x "$stage/bin/rvofilecmd.exe" ] || { echo "no $stage/bin/rvofilecmd.exe"; exit 1; }

# The prefix is made (once, ~15 s) before any run is timed.
(. "$tools/wine-env.sh" && ravelo_wine_prefix) || { echo "no Wine prefix"; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/ravelo-cleaner.XXXXXX")
# Registry keys of this run, below HKLM; unique so that parallel runs do not meet.
keyroot="Software\\RaveloTest\\cleaner-$$"
trap '"$wine_run" reg delete "HKLM\\$keyroot" /f >/dev/null 2>&1; rm -rf "$work"' EXIT

cases=0 checks=0 failures=0 current=""
fail() { echo "FAIL [$current] $*"; failures=$((failures + 1)); }
check() { checks=$((checks + 1)); }

# new_case NAME: a fresh copy of the installation in $inst, without a list.
new_case() {
  current=$1
  cases=$((cases + 1))
  mkdir -p "$work/$1"
  inst="$work/$1/Ravelo"
  cp -r "$stage" "$inst"
  rm -f "$inst/bin/filelist.db"
}

# write_list: the list from stdin (UTF-8, line ends as given) in code page 936.
write_list() { iconv -f UTF-8 -t GBK >"$inst/bin/filelist.db"; }

# run_cleaner CODE: runs the cleaner of $inst; it must end by itself, quickly,
# with exit code CODE (0: all done, 2: an entry could not be carried out).
run_cleaner() {
  timeout 60 "$wine_run" "$inst/bin/rvofilecmd.exe" >/dev/null 2>&1
  local rc=$?
  check
  [ $rc -eq "$1" ] || fail "exit code $rc, not $1 (124: it did not end within 60 s)"
}

gone() { for p in "$@"; do check; [ ! -e "$inst/$p" ] || fail "$p should be gone"; done; }
kept() { for p in "$@"; do check; [ -e "$inst/$p" ] || fail "$p should remain"; done; }

reg_add() { "$wine_run" reg add "HKLM\\$1" /v marker /d 1 /f >/dev/null 2>&1 || fail "reg add $1"; }
key_gone() { for k in "$@"; do check; ! "$wine_run" reg query "HKLM\\$k" >/dev/null 2>&1 || fail "key $k should be gone"; done; }
key_kept() { for k in "$@"; do check; "$wine_run" reg query "HKLM\\$k" >/dev/null 2>&1 || fail "key $k should remain"; done; }

# ---------------------------------------------------------------------------
# Files (with wildcards), folders and registry keys, in one list.
new_case entries
mkdir -p "$inst/common/sub.pte" "$inst/docs" "$inst/empty" "$inst/contents-later" "$inst/contents-first/deeper"
touch "$inst/common/sub.pte/inner.pte" "$inst/docs/運行說明.txt" "$inst/docs/運.txt" "$inst/contents-later/a.txt" \
  "$inst/contents-first/deeper/b.txt"
for k in Leaf 'Parent\Child' 'Ordered\Child' 注册表项; do reg_add "$keyroot\\$k"; done
printf '%s\r\n' '#name.txt' '#common\but?.pte' '#common\s*.pte' '#common\no-such-file.txt' \
  '#docs\運行說明.txt' '#bin\filelist.db' '#common\*.pte' \
  '@empty' '@contents-later' '#contents-later\a.txt' '#contents-first\deeper\b.txt' \
  '@contents-first\deeper' '@contents-first' '@no-such-folder' \
  "%$keyroot\\Leaf" "%$keyroot\\Parent" "%$keyroot\\Missing" "%$keyroot\\Ordered\\Child" "%$keyroot\\Ordered" \
  "%$keyroot\\注册表项" | write_list
run_cleaner 2  # the key with a subkey stays; what is not there counts as done
gone name.txt common/but1.pte common/but4.pte common/style1.pte common/save.pte common/back.pte \
  docs/運行說明.txt bin/filelist.db empty contents-later/a.txt contents-first
kept common/sound.wma common/rvoconfig.rcf common/sub.pte/inner.pte docs/運.txt bin/rvofilecmd.exe contents-later
key_gone "$keyroot\\Leaf" "$keyroot\\Ordered" "$keyroot\\注册表项"
key_kept "$keyroot\\Parent" "$keyroot\\Parent\\Child"


# ---------------------------------------------------------------------------
# No window shows while the cleaner works: a long list keeps it busy long
# enough to look. Its form exists, with its caption, but is never visible.
new_case no_window
for i in $(seq 1 60000); do printf '#common\\missing-%d.txt\r\n' "$i"; done | write_list
printf '#name.txt\r\n' >>"$inst/bin/filelist.db"
timeout 60 "$wine_run" "$inst/bin/rvofilecmd.exe" >/dev/null 2>&1 &
pid=$! seen_form=0
while kill -0 $pid 2>/dev/null; do
  xdotool search --name 'Ravelo文件处理' >/dev/null 2>&1 && seen_form=1
  [ -z "$(xdotool search --onlyvisible --name 'Ravelo文件处理' 2>/dev/null)" ] || { fail "its window showed"; break; }
  sleep 0.05
done
check
wait $pid && [ $seen_form -eq 1 ] || fail "it failed (exit code not 0), or its hidden form was never seen to look at"
gone name.txt

# ---------------------------------------------------------------------------
echo "cleaner e2e: $cases cases, $checks checks, $failures failures"
[ $failures -eq 0 ]
