#!/usr/bin/env bash
# fault_starts_e2e.sh PROGRAM
#
# Starts that meet a damaged platform, and one hurried way out, as real processes on the private
# X server of run_under_xvfb.sh (its own runtime and configuration folders):
#   - a settings file of garbage bytes: the casting window comes, and no question before it;
#   - a settings folder that cannot be made (its name is taken by a file, which stops root as
#     well, where a folder without write permission would not): the casting window comes;
#   - a lock file left by an instance killed with SIGKILL: the next start runs;
#   - File > Exit typed, and a click on the "File" and then the "Help" title sent at once: the
#     exit window comes, no menu stays open, and its Exit ends the process with status 0, so no
#     process is left holding the lock.
# Each start ends through the exit window with status 0, which also shows it was running
# normally.
set -eu

program=$1
export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
. "$(dirname "$0")/x_session.sh"
# A failed check leaves no instance behind.
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
settings_folder="$XDG_CONFIG_HOME/QXFreeGeomancy"

# starts_normally: a start whose casting window comes first, then File > Exit and Exit.
starts_normally() {
  "$program" &
  pid=$!
  main=$(wait_for_program_window "$pid" main)
  [ -z "$(windows "$pid" "QX Geomancy")" ] || fail "process $pid asked something before its window"
  press "$main" alt+f x
  exit_window=$(wait_for_program_window "$pid" exit)
  press "$exit_window" alt+x
  ends "$pid" 0
}

echo "A settings file of garbage bytes"
mkdir -p "$settings_folder"
head -c 4096 /dev/urandom >"$settings_folder/QXFreeGeomancy.conf"
printf '\0[Settings\n=Duration=\377\376\n' >>"$settings_folder/QXFreeGeomancy.conf"
starts_normally

echo "A settings folder that cannot be made"
rm -rf "$settings_folder"
: >"$settings_folder"
starts_normally
rm -f "$settings_folder"

echo "A lock file left by a killed instance"
kill_an_instance
[ -e "$XDG_RUNTIME_DIR/QXFreeGeomancy.lock" ] || fail "the killed instance left no lock file"
starts_normally

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
