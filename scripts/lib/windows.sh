# SPDX-License-Identifier: MIT
# Used by scripts/windows: the cross tools, Qt built for Windows from Debian's own qt6-base
# source (once, kept outside the checkout), and the program's Windows build.

QXG_WINDOWS_PACKAGES=(
  cmake ninja-build dpkg-dev zip
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  qt6-base-dev qt6-base-dev-tools  # the host Qt: moc, rcc and uic run on Linux
  libgtest-dev  # its source, built for Windows with the engine's tests
  wine wine64 nsis xvfb xdotool x11-utils fonts-dejavu-core
)

# Qt's features for the Windows build. Changing a line here builds Qt anew in a folder of its own.
QXG_WINDOWS_QT_OPTIONS=(
  -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_tabletevent=OFF  # Debian's tarball has no src/3rdparty/wintab
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF
  -DFEATURE_icu=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  # Without OpenGL: FEATURE_opengl alone leaves the Windows plug-in uncompilable in 6.4.2.
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
)

qxg_windows_qt_prefix() {
  local version digest
  version=$(apt-cache showsrc qt6-base 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -n 1)
  [ -n "$version" ] || version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
  digest=$(printf '%s\n' "${QXG_WINDOWS_QT_OPTIONS[@]}" \
    | cat - "$QXG_TOP/packaging/windows/mingw-w64-x86_64.cmake" | sha256sum | cut -c1-12)
  echo "${QXG_WINDOWS_QT_ROOT:-${XDG_CACHE_HOME:-$HOME/.cache}/qxgeomancy}/qt-${version}-mingw-w64-${digest}"
}

# apt-get source needs a deb-src entry; one is added for each archive apt already reads packages
# from, in a file of our own.
qxg_windows_source_entries() {
  apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package: qt6-base' && return 0
  local list=/etc/apt/sources.list.d/qxgeomancy-deb-src.sources
  {
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources
    fi
    if [ -f /etc/apt/sources.list ]; then
      sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list
    fi
  } >"$QXG_TMP/deb-src"
  if grep -q '^Types: deb-src' "$QXG_TMP/deb-src"; then
    qxg_as_root cp "$QXG_TMP/deb-src" "$list"
  else
    qxg_as_root cp "$QXG_TMP/deb-src" /etc/apt/sources.list.d/qxgeomancy-deb-src.list
  fi
  qxg_as_root apt-get update -qq
}

qxg_windows_build_qt() {
  local prefix=$1
  if [ -f "$prefix/.complete" ]; then
    echo "Qt for Windows: $prefix"
    return 0
  fi
  qxg_windows_source_entries
  local work="$prefix.work"
  rm -rf "$work" "$prefix"
  mkdir -p "$work"
  echo "Building Qt for Windows from Debian's qt6-base source (40 minutes on two cores): $prefix"
  (cd "$work" && apt-get source -qq qt6-base >/dev/null)
  local source
  source=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
  [ -n "$source" ] || { echo "apt-get source qt6-base gave no source folder" >&2; return 1; }
  cmake -S "$source" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$QXG_TOP/packaging/windows/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${QXG_WINDOWS_QT_OPTIONS[@]}" >"$work/configure.log" 2>&1 ||
    { tail -n 40 "$work/configure.log" >&2; return 1; }
  cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 ||
    { grep -m 20 -B 2 -A 10 'error' "$work/build.log" >&2; return 1; }
  cmake --install "$work/build" >/dev/null
  # What the installer ships beside Qt's libraries: its licences, and where its source comes from.
  mkdir -p "$prefix/licenses"
  cp "$source/LICENSES/LGPL-3.0-only.txt" "$source/LICENSES/GPL-3.0-only.txt" "$prefix/licenses/"
  cp "$source/debian/copyright" "$prefix/licenses/copyright"
  apt-cache showsrc qt6-base | sed -n 's/^Version: /qt6-base /p' | sort -V | tail -n 1 \
    >"$prefix/licenses/source-version"
  touch "$prefix/.complete"
  rm -rf "$work"
}

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
