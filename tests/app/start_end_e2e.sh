#!/usr/bin/env bash
# start_end_e2e.sh PROGRAM X_CLOSE_WINDOW
#
# QXG_FORUM_HOST and QXG_PROGRAM_HOST name the hosts the program was built with.
# The program as a person starts and ends it, run as real processes on the private X server of
# run_under_xvfb.sh (its own runtime and configuration folders, a stand-in xdg-open):
#   - the first start asks nothing, shows the casting window, and stores today;
#   - a second start shows only "Application is already running" and ends with status 0;
#   - after the first is killed with SIGKILL, the next start runs, asking the update question
#     first when the stored date is 20 days old; the casting window follows the answer;
#   - closing the casting window (close box, or File > Exit) shows the exit window and the
#     process goes on; closing that ends it with status 0;
#   - after a reading, the result window's File > Exit shows the exit window, on top; a
#     refer-a-friend request typed there opens one address whose query decodes to what was
#     typed; Exit ends the process, the hidden casting window notwithstanding.
# Windows are told apart by title: message boxes are "QX Geomancy", the program's windows
# "QX Geomancy v1.0", and the exit window is the wide one.
set -eu

program=$1
close_window=$2
export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
settings="$XDG_CONFIG_HOME/QXFreeGeomancy/QXFreeGeomancy.conf"
exit_window_width=741

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# windows PID TITLE: the visible windows of the process with exactly that title.
windows() {
  xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null || true
}

# wait_for_window PID TITLE: the first such window, once it is visible.
wait_for_window() {
  timeout 30 xdotool search --all --sync --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -n 1
}

width() {
  xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p'
}

# The process's main window or exit window, told apart by width.
program_window() {
  pid=$1 kind=$2
  for window in $(windows "$pid" "QX Geomancy v1.0"); do
    if [ "$(width "$window")" -eq "$exit_window_width" ]; then
      [ "$kind" = exit ] && echo "$window"
    else
      [ "$kind" = main ] && echo "$window"
    fi
  done
}

wait_for_program_window() {
  tries=0
  until [ -n "$(program_window "$1" "$2")" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 600 ] || fail "no $2 window of process $1 after 30 seconds"
    kill -0 "$1" 2>/dev/null || fail "process $1 ended while waiting for its $2 window"
    sleep 0.05
  done
  program_window "$1" "$2" | head -n 1
}

# press WINDOW KEYS...: focuses the window and types the keys into it.
press() {
  window=$1
  shift
  xdotool windowfocus --sync "$window"
  xdotool key --delay 50 "$@"
}

# ends PID STATUS: waits for the process to end and checks its status.
ends() {
  status=0
  wait "$1" || status=$?
  [ "$status" -eq "$2" ] || fail "process $1 ended with status $status, not $2"
}

stored_date() {
  sed -n 's/^Duration=//p' "$settings" 2>/dev/null
}

running() {
  kill -0 "$1" 2>/dev/null
}

today=$(date +%-m/%-d/%Y)

echo "First start: no question, the casting window, today stored"
"$program" &
first=$!
main=$(wait_for_program_window "$first" main)
[ -z "$(windows "$first" "QX Geomancy")" ] || fail "the first start asked a question"
[ "$(stored_date)" = "$today" ] || fail "stored \"$(stored_date)\", not today ($today)"

echo "Second start: only the message, then status 0"
"$program" &
second=$!
message=$(wait_for_window "$second" "QX Geomancy")
[ -n "$message" ] || fail "the second start showed no message"
[ -z "$(windows "$second" "QX Geomancy v1.0")" ] || fail "the second start showed a window"
press "$message" Return
ends "$second" 0
running "$first" || fail "the first instance ended"
[ "$(program_window "$first" main)" = "$main" ] || fail "the first instance's window changed"

echo "The first killed: the next start runs, with the update question first"
kill -KILL "$first"
wait "$first" 2>/dev/null || true
printf '[Settings]\nDuration=%s\n' "$(date -d '20 days ago' +%-m/%-d/%Y)" >"$settings"
"$program" &
third=$!
question=$(wait_for_window "$third" "QX Geomancy")
[ -n "$question" ] || fail "no update question after the killed instance"
[ -z "$(program_window "$third" main)" ] || fail "the casting window came before the question"
press "$question" n
main=$(wait_for_program_window "$third" main)
[ "$(stored_date)" = "$today" ] || fail "the answer did not store today"
[ ! -s "$QXG_OPENED_RECORD" ] || fail "No opened a page: $(cat "$QXG_OPENED_RECORD")"

echo "The casting window's close box: the exit window, and the process goes on"
"$close_window" "$main"
exit_window=$(wait_for_program_window "$third" exit)
[ -z "$(program_window "$third" main)" ] || fail "the casting window stayed"
running "$third" || fail "closing the casting window ended the program"
echo "The exit window's close box: status 0"
"$close_window" "$exit_window"
ends "$third" 0

echo "File > Exit of the casting window, then the exit window's Exit button"
"$program" &
fourth=$!
main=$(wait_for_program_window "$fourth" main)
press "$main" alt+f x
exit_window=$(wait_for_program_window "$fourth" exit)
running "$fourth" || fail "File > Exit ended the program"
press "$exit_window" alt+x
ends "$fourth" 0

echo "A reading by keyboard, the result window's File > Exit, a refer-a-friend request typed"
"$program" &
fifth=$!
main=$(wait_for_program_window "$fifth" main)
xdotool windowfocus --sync "$main"
for press in $(seq 16); do xdotool key space; done
result=$(wait_for_program_window "$fifth" main)
[ "$result" != "$main" ] || fail "no result window after sixteen presses"
press "$result" alt+f x
exit_window=$(wait_for_program_window "$fifth" exit)
xprop -id "$exit_window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  fail "the exit window does not stay on top"
# From the check box, Tab leads past Exit to the four boxes; Alt+N submits.
press "$exit_window" Tab Tab
LC_ALL=C.UTF-8 xdotool type --delay 20 "  Tom & Jerry "
xdotool key Tab
LC_ALL=C.UTF-8 xdotool type --delay 20 "ann+news@example.org"
xdotool key Tab
LC_ALL=C.UTF-8 xdotool type --delay 20 "Zoë #1 = 100%"
xdotool key Tab
LC_ALL=C.UTF-8 xdotool type --delay 20 "Bob@Example.org"
xdotool key alt+n
tries=0
until [ -s "$QXG_OPENED_RECORD" ]; do
  tries=$((tries + 1))
  [ "$tries" -le 600 ] || fail "no refer-a-friend address reached the opener"
  sleep 0.05
done
[ "$(wc -l <"$QXG_OPENED_RECORD")" -eq 1 ] || fail "more than one address: $(cat "$QXG_OPENED_RECORD")"
address=$(cat "$QXG_OPENED_RECORD")
case $address in
  "http://$QXG_FORUM_HOST/qxos-refer-a-friend.php?"*) ;;
  *) fail "not the refer-a-friend page: $address" ;;
esac
# The query as a page reads it: split at "&" and the first "=", then percent-decoded.
decode() {
  printf '%b' "$(printf '%s' "$1" | sed 's/+/ /g; s/%\([0-9A-Fa-f][0-9A-Fa-f]\)/\\x\1/g')"
}
# Each value ends in "|", so that a line break at its end is seen too.
cr=$(printf '\r')
expected="taf1=Tom & Jerry|
taf2=ann+news@example.org|
taf3=Your Message$cr
|
taf4=Zoë #1 = 100%|
taf5=Bob@Example.org|
taf6=http://$QXG_PROGRAM_HOST/|"
decoded=$(printf '%s\n' "${address#*\?}" | tr '&' '\n' | while IFS= read -r pair; do
  value=$(decode "${pair#*=}" && printf '|')
  printf '%s=%s\n' "${pair%%=*}" "$value"
done)
[ "$decoded" = "$expected" ] || fail "the request decodes to
$decoded
not
$expected"
running "$fifth" || fail "the request ended the program"
press "$exit_window" alt+x
ends "$fifth" 0

echo "PASS"
