#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# installer_lists_test.sh SOURCE_DIR
#
# The installer's lists made from an install manifest (scripts/lib/windows/package.sh): files and
# folders whose names hold a dollar sign, quotation marks, spaces and letters outside ASCII go
# into an installer that NSIS builds without a warning, each file once in each list, and the
# uninstaller removes the folders deepest first. A file outside the stage is refused.
set -euo pipefail
source_dir=$1
. "$source_dir/scripts/lib/windows/package.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

stage="$work/stage dir"
names=('QX.exe' 'a$b/c "d"/x$y.dll' 'a$b/Zoë ✓.txt' 'platforms/$INSTDIR.dll')
for name in "${names[@]}"; do
  mkdir -p "$stage/$(dirname "$name")"
  echo "$name" >"$stage/$name"
done
# As CMake writes it: "/./" in a file installed to ".", no newline after the last.
{
  echo "$stage/./QX.exe"
  for name in "${names[@]:1}"; do echo "$stage/$name"; done
} | head -c -1 >"$work/manifest"

qxg_windows_installer_lists "$stage" "$work/manifest" "$work"
makensis -V2 -WX -DVERSION=1.0 -DSIZE_KB=1 -DFILES="$work/install.nsh" \
  -DUNFILES="$work/uninstall.nsh" -DICON="$source_dir/assets/icons/qxgeomancy.ico" \
  -DOUTFILE="$work/QX-test-setup.exe" "$source_dir/packaging/windows/installer.nsi" ||
  fail "NSIS does not build the installer from the lists"

[ "$(grep -c '^File ' "$work/install.nsh")" -eq "${#names[@]}" ] || fail "not every file is installed once"
[ "$(grep -c '^Delete ' "$work/uninstall.nsh")" -eq "${#names[@]}" ] || fail "not every file is deleted once"
grep -q '^Delete "$INSTDIR\\platforms\\$$INSTDIR.dll"$' "$work/uninstall.nsh" ||
  fail "a file named like an NSIS variable is not deleted by its name"
rmdirs=$(sed -n 's/^RMDir "$INSTDIR\\\(.*\)"$/\1/p' "$work/uninstall.nsh")
expected=$(printf '%s\n' 'platforms' 'a$$b\c $\"d$\"' 'a$$b')
[ "$rmdirs" = "$expected" ] || fail "the folders are not removed deepest first: $rmdirs"

printf '\n%s' "$work/elsewhere/x.dll" >>"$work/manifest"
! qxg_windows_installer_lists "$stage" "$work/manifest" "$work" 2>/dev/null ||
  fail "a file outside the stage was listed"
echo "PASS"
