# SPDX-License-Identifier: MIT
# The Windows tests under Wine: the engine's and the caster's unit tests, the caster against the
# Linux one, and a whole session with the installer on a private X server. Each runs in a Wine
# prefix under $QXG_WINDOWS_BUILD or $QXG_TMP, whose servers qxg_windows_end_wine ends.

# Ends the Wine server, and every Windows program, of each prefix the tests made. The session's
# prefix lies in the throw-away home of run_under_xvfb.sh, under TMPDIR.
qxg_windows_end_wine() {
  local prefix
  for prefix in "$QXG_WINDOWS_BUILD/wine-prefix" "$QXG_TMP"/*/home/wine; do
    if [ -d "$prefix" ]; then WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; fi
  done
}

qxg_windows_test() {
  local host
  for host in FORUM HELP PROGRAM; do
    export "QXG_${host}_HOST=$(qxg_windows_package_fact "QXG_${host}_HOST")"
  done
  # The prefix is made once, and its server and services kept running, before the tests run side
  # by side: a Wine process that starts while the server of the last one is on its way out loses
  # its connection ("recvmsg: Connection reset by peer"), and so does one of two that make the
  # same fresh prefix at once. The services start here, so that they do not hold a test's output
  # open.
  (
    export WINEPREFIX="$QXG_WINDOWS_BUILD/wine-prefix"
    wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
    wineserver -p
    wineboot >/dev/null 2>&1 </dev/null
    status=0
    ctest --test-dir "$QXG_WINDOWS_BUILD" -j "$(nproc)" --output-on-failure || status=$?
    wineserver -k || true
    exit "$status"
  )
  echo
  echo "The Windows caster against the Linux caster:"
  tests/e2e/wine_caster_test.sh "$QXG_WINDOWS_BUILD/run-under-wine" \
    "$QXG_WINDOWS_BUILD/stage/qxgeomancy-cast.exe" "$QXG_WINDOWS_BUILD/linux/cli/qxgeomancy-cast"
  echo
  echo "A whole session with the installed program:"
  TMPDIR=$QXG_TMP tests/e2e/run_under_xvfb.sh tests/e2e/wine_session.sh \
    "$QXG_WINDOWS_BUILD/QXGeomancy-$(qxg_windows_package_fact QXG_VERSION)-setup.exe" \
    "$QXG_WINDOWS_BUILD/linux/tests/e2e/x_read_window" \
    "$QXG_WINDOWS_BUILD/linux/tests/e2e/x_close_window"
}
