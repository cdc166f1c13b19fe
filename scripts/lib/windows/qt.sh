# SPDX-License-Identifier: MIT
# Qt for Windows, built once from Debian's own qt6-base source and kept outside the checkout, in
# a folder named after the source version fetched and a digest of the options below.

# Qt's features for the Windows build. Changing a line here builds Qt anew in a folder of its own.
QXG_WINDOWS_QT_OPTIONS=(
  -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_tabletevent=OFF  # Debian's tarball has no src/3rdparty/wintab
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF
  -DFEATURE_icu=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_printsupport=ON  # the chart program prints
  # Without OpenGL: FEATURE_opengl alone leaves the Windows plug-in uncompilable in 6.4.2.
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
)

qxg_windows_qt_root() {
  echo "${QXG_WINDOWS_QT_ROOT:-${XDG_CACHE_HOME:-$HOME/.cache}/qxgeomancy}"
}

qxg_windows_qt_digest() {
  printf '%s\n' "${QXG_WINDOWS_QT_OPTIONS[@]}" |
    cat - "$QXG_TOP/packaging/windows/mingw-w64-x86_64.cmake" | sha256sum | cut -c1-12
}

# The folder of a finished build with today's options, the newest source version first; nothing
# when there is none.
qxg_windows_qt_built() {
  local digest root
  digest=$(qxg_windows_qt_digest)
  root=$(qxg_windows_qt_root)
  [ -d "$root" ] || return 0
  find "$root" -mindepth 2 -maxdepth 2 -name .complete \
    -path "*/qt-*-mingw-w64-$digest/.complete" 2>/dev/null | xargs -r -n1 dirname | sort -V |
    tail -n 1
}

# apt-get source with the host's archives as deb-src entries, in a source list and package lists
# of our own: the host's apt configuration is read, never written.
qxg_windows_fetch_qt_source() {
  local into=$1 apt="$QXG_TMP/apt"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts"
  {
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources
    fi
  } >"$apt/parts/deb-src.sources"
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >"$apt/deb-src.list"
  else
    : >"$apt/deb-src.list"
  fi
  local options=(-o "Dir::Etc::SourceList=$apt/deb-src.list" -o "Dir::Etc::SourceParts=$apt/parts"
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "APT::Sandbox::User=root")
  apt-get "${options[@]}" update -qq
  (cd "$into" && apt-get "${options[@]}" source -qq qt6-base >/dev/null)
}

# The host's Qt, whose moc, rcc and uic a build for Windows runs, as Qt's CMake is told of it: one
# option a line, from the host Qt itself.
qxg_windows_qt_host_options() {
  local prefix libs
  prefix=$(qtpaths6 --query QT_INSTALL_PREFIX)
  libs=$(qtpaths6 --query QT_INSTALL_LIBS)
  printf '%s\n' "-DQT_HOST_PATH=$prefix" "-DQT_HOST_PATH_CMAKE_DIR=$libs/cmake"
}

# Prints the folder of Qt for Windows, building it first when there is none.
qxg_windows_qt() {
  local prefix
  prefix=$(qxg_windows_qt_built)
  if [ -n "$prefix" ]; then
    echo "Qt for Windows: $prefix" >&2
    echo "$prefix"
    return 0
  fi
  local root work source version options host
  options=$(qxg_windows_qt_host_options)
  mapfile -t host <<<"$options"
  root=$(qxg_windows_qt_root)
  work="$root/qt-$(qxg_windows_qt_digest).work"
  rm -rf "$work"
  mkdir -p "$work"
  qxg_windows_fetch_qt_source "$work"
  source=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
  [ -n "$source" ] || { echo "apt-get source qt6-base gave no source folder" >&2; return 1; }
  version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
  prefix="$root/qt-$version-mingw-w64-$(qxg_windows_qt_digest)"
  rm -rf "$prefix"
  echo "Building Qt $version for Windows from Debian's qt6-base source (25 to 40 minutes on" \
    "two cores): $prefix" >&2
  cmake -S "$source" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$QXG_TOP/packaging/windows/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    "${host[@]}" "${QXG_WINDOWS_QT_OPTIONS[@]}" >"$work/configure.log" 2>&1 ||
    { tail -n 40 "$work/configure.log" >&2; return 1; }
  cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 ||
    { grep -m 20 -B 2 -A 10 'error' "$work/build.log" >&2; return 1; }
  cmake --install "$work/build" >/dev/null
  # What the installer ships beside Qt's libraries: its licences, and where its source comes from.
  mkdir -p "$prefix/licenses"
  cp "$source/LICENSES/LGPL-3.0-only.txt" "$source/LICENSES/GPL-3.0-only.txt" "$prefix/licenses/"
  cp "$source/debian/copyright" "$prefix/licenses/copyright"
  echo "qt6-base $version" >"$prefix/licenses/source-version"
  touch "$prefix/.complete"
  rm -rf "$work"
  echo "$prefix"
}
