#!/bin/sh
# SPDX-License-Identifier: MIT
# run_under_xvfb.sh TEST_PROGRAM [ARGUMENTS...]
#
# Runs a test program on a private X server (Xvfb) with the xcb platform, a stand-in xdg-open
# first on PATH that writes each address it is given as one line of a record file, and a
# throw-away home, configuration, cache and runtime folder, so that no browser starts and the
# user's own desktop and settings stay out of reach. The record file's path is in
# QXG_OPENED_RECORD, the stand-in's in QXG_STAND_IN_XDG_OPEN. Exits with the test's status.
set -eu

if [ "$#" -lt 1 ]; then
  echo "usage: $0 TEST_PROGRAM [ARGUMENTS...]" >&2
  exit 2
fi
test_program=$1
shift

if ! command -v Xvfb >/dev/null 2>&1; then
  echo "$0: Xvfb is not installed (Debian package: xvfb); this test needs it." >&2
  exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/qxg-xvfb.XXXXXX")
xvfb_pid=
stop() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -p "$work/bin" "$work/home" "$work/config" "$work/cache" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
record="$work/opened.txt"
: >"$record"

# The stand-in opener: one line per call, written at once, and nothing else.
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>'$record'
EOF
chmod 755 "$work/bin/xdg-open"

# Xvfb picks a free display and writes its number to the descriptor once it accepts clients.
Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset \
  9>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
tries=0
until grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null; do
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "$0: Xvfb stopped before it was ready:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  tries=$((tries + 1))
  if [ "$tries" -gt 400 ]; then
    echo "$0: Xvfb was not ready after 20 seconds" >&2
    exit 1
  fi
  sleep 0.05
done

# Nothing may point Qt at a desktop, a portal, a session bus or a browser of the user's.
unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP XDG_SESSION_TYPE DESKTOP_SESSION DE \
  KDE_FULL_SESSION KDE_SESSION_VERSION GNOME_DESKTOP_SESSION_ID WAYLAND_DISPLAY WAYLAND_SOCKET \
  SNAP FLATPAK_ID BROWSER DEFAULT_BROWSER XAUTHORITY SESSION_MANAGER \
  QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_LINUX_ACCESSIBILITY_ALWAYS_ON
export QT_NO_XDG_DESKTOP_PORTAL=1
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/runtime/no-bus"
export DISPLAY=":$(head -n 1 "$work/display")"
export QT_QPA_PLATFORM=xcb
export HOME="$work/home"
export XDG_CONFIG_HOME="$work/config"
export XDG_CACHE_HOME="$work/cache"
export XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$work/runtime"
export PATH="$work/bin:$PATH"
export QXG_OPENED_RECORD="$record"
export QXG_STAND_IN_XDG_OPEN="$work/bin/xdg-open"

status=0
"$test_program" "$@" || status=$?
exit "$status"
