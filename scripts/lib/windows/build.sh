# SPDX-License-Identifier: MIT
# The program's Windows build in $QXG_WINDOWS_BUILD, against Qt for Windows and the host's Qt
# tools; and beside it, in linux/, what the tests under Wine compare with or read the windows by.

qxg_windows_build() {
  local qt=$1 options host
  options=$(qxg_windows_qt_host_options)
  mapfile -t host <<<"$options"
  cmake -S . -B "$QXG_WINDOWS_BUILD" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$QXG_TOP/packaging/windows/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" "${host[@]}" \
    -DCMAKE_BUILD_TYPE=Release -DQXG_WERROR=ON -DQXG_BUILD_BENCH=OFF >/dev/null
  cmake --build "$QXG_WINDOWS_BUILD" -j "$(nproc)"
  # The Linux caster, whose output the Windows one must match byte for byte, and the reader of
  # the program's windows from their pixels.
  cmake -S . -B "$QXG_WINDOWS_BUILD/linux" -DCMAKE_BUILD_TYPE=Release -DQXG_BUILD_BENCH=OFF >/dev/null
  cmake --build "$QXG_WINDOWS_BUILD/linux" --target qxgeomancy-cast x_read_window x_close_window \
    -j "$(nproc)" >/dev/null
}
