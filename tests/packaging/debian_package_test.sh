#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# debian_package_test.sh BUILD_DIR SOURCE_DIR APP_ID CHART_APP_ID VERSION
#
# Builds the Debian package of BUILD_DIR with CPack into a folder of its own and checks it as
# apt would meet it: its name and version, its dependencies (the Qt 6 widget and print libraries
# found by dpkg-shlibdeps, and xdg-utils for the browser), exactly the files an installation
# should hold, that each desktop program's menu entry, the icon and its AppStream metadata name
# one another, and, where lintian is installed, that lintian finds neither an error nor a
# warning.
set -euo pipefail
build=$1 source=$2 app_id=$3 chart_id=$4 version=$5

work=$(mktemp -d "${TMPDIR:-/tmp}/qxg-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack did not build the package"; }
debs=("$work"/out/*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "qxgeomancy_${version}_${arch}.deb" ] ||
  fail "package file is $(basename "$deb"), not qxgeomancy_${version}_${arch}.deb"

[ "$(dpkg-deb -f "$deb" Package)" = qxgeomancy ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 xdg-utils; do
  [[ ", $depends," =~ ,\ $needed[\ ,] ]] || fail "Depends lacks $needed: $depends"
done

# Exactly these files, nothing from the tests or the benchmarks, nothing outside /usr.
{
  echo ./usr/bin/QXFreeGeomancy
  echo ./usr/bin/qxgeomancy-cast
  echo ./usr/bin/qxgeomancy-chart
  for id in "$app_id" "$chart_id"; do
    echo "./usr/share/applications/$id.desktop"
    echo "./usr/share/metainfo/$id.metainfo.xml"
  done
  echo ./usr/share/bash-completion/completions/qxgeomancy-cast
  echo ./usr/share/doc/qxgeomancy/changelog.gz
  echo ./usr/share/doc/qxgeomancy/copyright
  echo ./usr/share/man/man1/QXFreeGeomancy.1.gz
  echo ./usr/share/man/man1/qxgeomancy-cast.1.gz
  echo ./usr/share/man/man1/qxgeomancy-chart.1.gz
  for size in 16 24 32 48 64 128 256; do
    echo "./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  done
  echo "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
} | sort >"$work/expected"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/files"
diff -u "$work/expected" "$work/files" >&2 || fail "the package's files differ from the list above"

# What the desktop reads from the installed files must point at the installed files: each menu
# entry starts an installed, stripped program and shows the one icon; each metainfo launches its
# entry and names screenshots kept in docs/ (and published on the site).
dpkg-deb -x "$deb" "$work/root"
for id in "$app_id" "$chart_id"; do
  entry="$work/root/usr/share/applications/$id.desktop"
  exec_line=$(sed -n 's/^Exec=//p' "$entry")
  program="$work/root/usr/bin/${exec_line%% *}"
  [ -n "$exec_line" ] && [ -x "$program" ] || fail "$id: Exec=$exec_line is not an installed program"
  file -b "$program" | grep -q ", stripped" || fail "${exec_line%% *} is not stripped"
  [ "$(sed -n 's/^Icon=//p' "$entry")" = "$app_id" ] || fail "$id: Icon= is not $app_id"
  metainfo="$work/root/usr/share/metainfo/$id.metainfo.xml"
  grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
  shots=$(sed -n 's|.*<image>.*/\([^/]*\)</image>.*|\1|p' "$metainfo")
  [ -n "$shots" ] || fail "$id: the metainfo names no screenshot"
  for shot in $shots; do
    [ -f "$source/docs/$shot" ] || fail "screenshot $shot is not in docs/"
  done
  grep -q "<release version=\"$version\" date=\"[0-9-]*\"/>" "$metainfo" ||
    fail "$id: the metainfo has no release $version with a date"
done

if command -v lintian >/dev/null 2>&1; then
  lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log" >&2; fail "lintian reports errors or warnings"; }
fi
echo "ok: $(basename "$deb"), Depends: $depends"
