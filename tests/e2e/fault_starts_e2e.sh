#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# fault_starts_e2e.sh PROGRAM READ_WINDOW
#
# Starts that meet a damaged platform, and one hurried way out, as real processes on the private
# X server of run_under_xvfb.sh (its own runtime and configuration folders):
#   - a settings file of garbage bytes: the casting window comes, and no question before it;
#   - a settings folder that cannot be made (its name is taken by a file, which stops root as
#     well, where a folder without write permission would not): the casting window comes;
#   - a lock file left by an instance killed with SIGKILL, an empty one, one of random bytes, and
#     a folder where the lock file belongs: the next start runs;
#   - two starts at the same moment: one runs, the other says "Application is already running";
#   - Qt's own command-line options: the casting window comes as without them;
#   - no display that can be reached: one line and status 1; the offscreen platform, which needs
#     none: the program runs;
#   - File > Exit typed, and a click on the "File" and then the "Help" title sent at once: the
#     exit window comes, no menu stays open, and its Exit ends the process with status 0, so no
#     process is left holding the lock.
# Each start ends through the exit window with status 0, which also shows it was running
# normally.
set -eu

program=$1
read_window=$2
lock="$XDG_RUNTIME_DIR/QXFreeGeomancy.lock"
export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
. "$(dirname "$0")/x_session.sh"
# A failed check leaves no instance behind.
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
settings_folder=$(dirname "$settings")

# leave PID WINDOW: File > Exit in the window, then Exit; the process ends with status 0.
leave() {
  press "$2" alt+f x
  exit_window=$(wait_for_program_window "$1" exit)
  press "$exit_window" alt+x
  ends "$1" 0
}

# starts_normally [ARGUMENTS...]: a start whose casting window comes first, where a plain start
# puts it, and looking as the program draws it; then File > Exit and Exit.
starts_normally() {
  "$program" "$@" &
  pid=$!
  main=$(wait_for_program_window "$pid" main)
  [ -z "$(windows "$pid" "QX Geomancy")" ] || fail "process $pid asked something before its window"
  place=$(xdotool getwindowgeometry "$main" | sed -n 's/^ *Position: //p')
  [ -n "$place" ] || fail "window $main has no position"
  [ -n "${plain_place:-}" ] || plain_place=$place
  [ "$place" = "$plain_place" ] || fail "the casting window stands at $place, not $plain_place"
  "$read_window" looks "$main"
  leave "$pid" "$main"
}

echo "A plain start, which stores its settings where the next two starts spoil them"
starts_normally
[ -s "$settings" ] || fail "the program stored no settings in $settings"

echo "A settings file of garbage bytes"
head -c 4096 /dev/urandom >"$settings"
printf '\0[Settings\n=Duration=\377\376\n' >>"$settings"
starts_normally

echo "A settings folder that cannot be made"
rm -rf "$settings_folder"
: >"$settings_folder"
starts_normally
rm -f "$settings_folder"

echo "A lock file left by a killed instance"
kill_an_instance
[ -e "$lock" ] || fail "the killed instance left no lock file"
starts_normally

echo "An empty lock file, one of random bytes, and a folder in its place"
for spoil in ': >"$lock"' 'head -c 300 /dev/urandom >"$lock"' 'mkdir "$lock"'; do
  eval "$spoil"
  starts_normally
  rm -rf "$lock"
done

# one_refused: of the two starts $one and $other, one shows its message ($message, $refused);
# the other runs ($runs).
one_refused() {
  refused=$one runs=$other
  message=$(windows "$one" "QX Geomancy")
  [ -n "$message" ] || { refused=$other runs=$one && message=$(windows "$other" "QX Geomancy"); }
  [ -n "$message" ]
}

echo "Two starts at the same moment: one runs, the other is refused"
for round in 1 2 3; do
  "$program" &
  one=$!
  "$program" &
  other=$!
  wait_until "round $round: neither start said it was already running" one_refused
  press "$message" Return
  ends "$refused" 0
  leave "$runs" "$(wait_for_program_window "$runs" main)"
done

echo "Qt's own options: the window comes as without them"
sheet=$(mktemp)
printf 'QMenuBar, QPushButton { background: red; }\n' >"$sheet"
starts_normally -qwindowtitle Hacked -reverse -geometry +10+10 -stylesheet "$sheet"
rm -f "$sheet"

echo "No display that can be reached: one line and status 1"
for display in "DISPLAY=:97" "DISPLAY=nowhere" "QT_QPA_PLATFORM=bogus" \
  "DISPLAY= WAYLAND_DISPLAY=gone-$$ QT_QPA_PLATFORM=wayland" "DISPLAY="; do
  status=0
  said=$(env $display "$program" 2>&1) || status=$?
  [ "$status" -eq 1 ] || fail "$display: status $status"
  [ "$said" = "QX Geomancy needs a graphical display, and none is available." ] ||
    fail "$display: said \"$said\""
done

echo "The offscreen platform, with no display named: the program runs"
env -u DISPLAY QT_QPA_PLATFORM=offscreen "$program" &
pid=$!
sleep 2
running "$pid" || fail "the program ended on the offscreen platform"
kill "$pid"
wait "$pid" 2>/dev/null || true

echo "File > Exit and, at once, a click on a menu title"
for title in File Help; do
  "$program" &
  pid=$!
  main=$(wait_for_program_window "$pid" main)
  eval "$(xdotool getwindowgeometry --shell "$main")"
  # The menu titles stand at the top left of the window: "File", then "Help".
  [ "$title" = File ] && x=$((X + 15)) || x=$((X + 50))
  xdotool mousemove "$x" $((Y + 10))
  focus "$main"
  xdotool key alt+f x click 1
  exit_window=$(wait_for_program_window "$pid" exit)
  press "$exit_window" alt+x
  ends "$pid" 0
done

echo "PASS"
