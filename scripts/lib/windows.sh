# SPDX-License-Identifier: MIT
# Used by scripts/windows: the cross tools and the program's Windows build.

QXG_WINDOWS_PACKAGES=(
  cmake ninja-build dpkg-dev zip
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  qt6-base-dev qt6-base-dev-tools  # the host Qt: moc, rcc and uic run on Linux
  libgtest-dev  # its source, built for Windows with the engine's tests
  wine wine64 nsis xvfb xdotool x11-utils fonts-dejavu-core
)

QXG_MINGW_DLL_DIRS=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)

# The program's version, from project() in CMakeLists.txt.
qxg_version() {
  sed -n 's/^project(QXGeomancy VERSION \([0-9.]*\).*/\1/p' "$QXG_TOP/CMakeLists.txt"
}

# A wrapper that runs a Windows program under Wine with the MinGW runtime and Qt on its path:
# CMake's emulator for the cross-built tests.
qxg_windows_write_runner() {
  local qt=$1 runner=$2 dirs="" dir
  for dir in "$qt/bin" "${QXG_MINGW_DLL_DIRS[@]}"; do dirs+="Z:${dir//\//\\};"; done
  mkdir -p "$(dirname "$runner")"
  cat >"$runner" <<RUNNER
#!/usr/bin/env bash
# Made by scripts/windows: runs a cross-built program under Wine, in the build's own prefix.
export WINEPREFIX=\${WINEPREFIX:-$QXG_TOP/build-windows/wine-prefix} WINEDEBUG=\${WINEDEBUG:--all}
export WINEPATH='$dirs'
exec wine "\$@"
RUNNER
  chmod +x "$runner"
}

qxg_windows_build_program() {
  local qt=$1
  qxg_windows_write_runner "$qt" build-windows/run-under-wine
  cmake -S . -B build-windows -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$QXG_TOP/packaging/windows/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$QXG_TOP/build-windows/run-under-wine" \
    -DCMAKE_BUILD_TYPE=Release -DQXG_WERROR=ON -DQXG_BUILD_BENCH=OFF >/dev/null
  cmake --build build-windows -j "$(nproc)"
  # The Linux caster, whose output the Windows one must match byte for byte, and the reader of
  # the program's windows from their pixels.
  cmake -S . -B build-windows/linux -DCMAKE_BUILD_TYPE=Release -DQXG_BUILD_BENCH=OFF >/dev/null
  cmake --build build-windows/linux --target qxgeomancy-cast x_read_window x_close_window \
    -j "$(nproc)" >/dev/null
}

# The DLLs a Windows program needs from Qt and the MinGW runtime, found by its imports, at any
# depth; Windows' own are left out.
qxg_windows_dlls() {
  local qt=$1
  shift
  local -A seen=()
  local queue=("$@") file dll dir
  while [ "${#queue[@]}" -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
      [ -n "${seen[$dll]:-}" ] && continue
      for dir in "$qt/bin" "${QXG_MINGW_DLL_DIRS[@]}"; do
        if [ -f "$dir/$dll" ]; then
          seen[$dll]=1
          echo "$dir/$dll"
          queue+=("$dir/$dll")
          break
        fi
      done
    done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
  done
}

# build-windows/stage: the files the installer and the zip hold, and nothing else.
qxg_windows_stage() {
  local qt=$1 stage=build-windows/stage
  rm -rf "$stage"
  mkdir -p "$stage/platforms" "$stage/styles" "$stage/licenses/Qt" "$stage/licenses/MinGW-w64"
  cp build-windows/app/QXFreeGeomancy.exe build-windows/cli/qxgeomancy-cast.exe "$stage/"
  cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
  cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
  qxg_windows_dlls "$qt" "$stage"/*.exe "$stage"/platforms/*.dll "$stage"/styles/*.dll |
    sort -u | while read -r dll; do cp "$dll" "$stage/"; done
  x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll
  cp LICENSE "$stage/LICENSE.txt"
  cp "$qt"/licenses/* "$stage/licenses/Qt/"
  cat >"$stage/licenses/Qt/README.txt" <<TEXT
Qt $(sed -n 's/^qt6-base //p' "$qt/licenses/source-version") (Qt Core, Gui and Widgets, the Windows
platform plug-in and the Windows styles), used under the GNU Lesser General Public License
version 3 (LGPL-3.0-only.txt; it refers to GPL-3.0-only.txt). Its source is Debian's source
package qt6-base of that version: "apt-get source qt6-base=VERSION" on Debian, or
https://sources.debian.org/src/qt6-base/. The libraries were built unchanged from it, as
scripts/windows in QX Geomancy's source does. copyright lists the licences of the parts Qt
bundles (zlib, PCRE2, libpng, FreeType, HarfBuzz and others).
TEXT
  cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/MinGW-w64/gcc-runtime.txt"
  cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/MinGW-w64/mingw-w64.txt"
}

# The zip (the staged files in a folder "QX Geomancy") and the installer.
qxg_windows_package() {
  local version stage=build-windows/stage
  version=$(qxg_version)
  local zip="build-windows/QXGeomancy-$version-windows-x64.zip"
  rm -rf build-windows/zip "$zip"
  mkdir -p build-windows/zip
  cp -r "$stage" "build-windows/zip/QX Geomancy"
  (cd build-windows/zip && zip -q -r -X "../$(basename "$zip")" "QX Geomancy")
  # The installer lists every file it puts down, so that the uninstaller removes those alone.
  (
    cd "$stage"
    find . -type d ! -name . | sed 's|^\./||; s|/|\\|g' | sort | while read -r folder; do
      echo "CreateDirectory \"\$INSTDIR\\$folder\""
    done >"$QXG_TMP/install.nsh"
    find . -type f | sed 's|^\./||' | sort | while read -r file; do
      echo "File \"/oname=$(echo "$file" | sed 's|/|\\|g')\" \"$PWD/$file\""
    done >>"$QXG_TMP/install.nsh"
    find . -type f | sed 's|^\./||; s|/|\\|g' | sort | while read -r file; do
      echo "Delete \"\$INSTDIR\\$file\""
    done >"$QXG_TMP/uninstall.nsh"
    find . -type d ! -name . | sed 's|^\./||; s|/|\\|g' | sort -r | while read -r folder; do
      echo "RMDir \"\$INSTDIR\\$folder\""
    done >>"$QXG_TMP/uninstall.nsh"
  )
  local size
  size=$(du -s -k "$stage" | cut -f1)
  makensis -V2 -DVERSION="$version" -DSIZE_KB="$size" -DFILES="$QXG_TMP/install.nsh" \
    -DUNFILES="$QXG_TMP/uninstall.nsh" -DICON="$QXG_TOP/assets/icons/qxgeomancy.ico" \
    -DOUTFILE="$QXG_TOP/build-windows/QXGeomancy-$version-setup.exe" \
    packaging/windows/installer.nsi
  ls -l "build-windows/QXGeomancy-$version-setup.exe" "$zip"
}

# The Windows tests under Wine: the engine's and the caster's unit tests, the caster against the
# Linux one, and a whole session with the installer on a private X server.
qxg_windows_test() {
  local version host
  version=$(qxg_version)
  for host in FORUM HELP PROGRAM; do
    export "QXG_${host}_HOST=$(sed -n "s/^QXG_${host}_HOST:STRING=//p" build-windows/CMakeCache.txt)"
  done
  # The prefix is made once, and its server and services kept running, before the tests run side
  # by side: a Wine process that starts while the server of the last one is on its way out loses
  # its connection ("recvmsg: Connection reset by peer"), and so does one of two that make the
  # same fresh prefix at once. The services start here, so that they do not hold a test's output
  # open.
  local status=0
  export WINEPREFIX="$QXG_TOP/build-windows/wine-prefix"
  wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
  wineserver -p
  wineboot >/dev/null 2>&1 </dev/null
  ctest --test-dir build-windows -j "$(nproc)" --output-on-failure || status=$?
  wineserver -k || true
  unset WINEPREFIX
  [ "$status" -eq 0 ] || return "$status"
  echo
  echo "The Windows caster against the Linux caster:"
  tests/e2e/wine_caster_test.sh "$QXG_TOP/build-windows/run-under-wine" \
    "$QXG_TOP/build-windows/stage/qxgeomancy-cast.exe" "$QXG_TOP/build-windows/linux/cli/qxgeomancy-cast"
  echo
  echo "A whole session with the installed program:"
  tests/e2e/run_under_xvfb.sh tests/e2e/wine_session.sh \
    "$QXG_TOP/build-windows/QXGeomancy-$version-setup.exe" \
    "$QXG_TOP/build-windows/linux/tests/e2e/x_read_window" \
    "$QXG_TOP/build-windows/linux/tests/e2e/x_close_window"
}
