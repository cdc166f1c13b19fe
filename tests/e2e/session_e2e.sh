#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# session_e2e.sh PROGRAM X_CLOSE_WINDOW X_READ_WINDOW X_BIND_KEYSYM
#
# QXG_FORUM_HOST and QXG_PROGRAM_HOST name the hosts the program was built with.
# The program as a person uses it, run as real processes on the private X server of
# run_under_xvfb.sh (its own runtime and configuration folders, a stand-in xdg-open):
#   - the first start asks nothing, shows the casting window with no point, and stores today;
#   - a reading by keyboard: each press shows the next figure's four point pictures, the
#     fifteen follow from the four Mothers, and the result window names the figure that the
#     Judge's four boxes show (both read from the screen by x_read_window); neither window is
#     drawn through memory shared with the X server;
#   - a menu command of the result window reaches the opener; Back brings the casting window
#     back, empty;
#   - a second start shows only "Application is already running" and ends with status 0;
#   - the casting window's close box shows the exit window and the process goes on; a
#     refer-a-friend request typed there opens one address whose query decodes to what was
#     typed; Exit ends the process with status 0;
#   - after an instance is killed with SIGKILL, the next start runs, asking the update question
#     first when the stored date is 20 days old; the casting window follows the answer No;
#   - the other ways out: the result window's File > Exit shows the exit window on top, and its
#     close box ends the process, the hidden casting window notwithstanding; the casting
#     window's File > Exit, then the exit window's Exit.
set -eu

program=$1
close_window=$2
read_window=$3
bind_keysym=$4
export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
. "$(dirname "$0")/x_session.sh"
# A failed check leaves no instance behind.
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT

today=$(date +%-m/%-d/%Y)
# The refer-a-friend request types an "ë": on a key of its own, not on one xdotool binds for a
# single stroke, which the program may read too late.
"$bind_keysym" 0xeb 0xcb

echo "First start: no question, the casting window with no point, today stored"
"$program" &
first=$!
main=$(wait_for_program_window "$first" main)
[ -z "$(windows "$first" "QX Geomancy")" ] || fail "the first start asked a question"
[ "$(stored_date)" = "$today" ] || fail "stored \"$(stored_date)\", not today ($today)"
"$read_window" figures "$main" 0 >/dev/null

echo "A reading by keyboard, read back from the screen"
focus "$main"
chart=
for press in $(seq 15); do
  xdotool key space
  shown=$("$read_window" figures "$main" "$press")
  case $shown in
    "$chart"?*) ;;
    *) fail "press $press: the window shows \"$shown\", not \"$chart\" and one figure more" ;;
  esac
  chart=$shown
done
echo "  $chart"
judge=$("$read_window" judge "$main")
xdotool key space
result=$(wait_for_program_window "$first" main "$main")
named=$("$read_window" name "$result")
echo "  the Judge's boxes show $judge; the result window names $named"
[ -n "$judge" ] && [ "$named" = "$judge" ] ||
  fail "the result window names \"$named\", the Judge's boxes show \"$judge\""
# Both windows drawn, and none through memory shared with the X server: a surface handed over as
# a file descriptor can be lost in a flood of events, and the connection with it.
maps=$(cat "/proc/$first/maps") && [ -n "$maps" ] || fail "the program's memory map cannot be read"
if grep -qE 'memfd:xorg|SYSV' <<<"$maps"; then
  fail "the program's windows are drawn through shared memory"
fi

echo "Help > Online Help reaches the opener; Back brings the casting window back, empty"
press "$result" alt+h o
address=$(wait_for_opened 1)
[ "$address" = "http://$QXG_PROGRAM_HOST/qx-free-geomancy-help.html" ] ||
  fail "Online Help opened $address"
press "$result" alt+b
back=$(wait_for_program_window "$first" main "$result")
[ "$back" = "$main" ] || fail "Back showed window $back, not the casting window $main"
"$read_window" figures "$main" 0 >/dev/null

echo "Second start: only the message, then status 0"
"$program" &
second=$!
message=$(wait_for_message "$second")
[ -n "$message" ] || fail "the second start showed no message"
[ -z "$(windows "$second" "QX Geomancy v1.0")" ] || fail "the second start showed a window"
press "$message" Return
ends "$second" 0
running "$first" || fail "the first instance ended"
[ "$(program_window "$first" main)" = "$main" ] || fail "the first instance's window changed"

echo "The casting window's close box: the exit window, and the process goes on"
"$close_window" "$main"
exit_window=$(wait_for_program_window "$first" exit)
wait_until "the casting window stayed" shows_none "$first" main
running "$first" || fail "closing the casting window ended the program"

echo "A refer-a-friend request typed into the exit window, decoded from the opener's record"
# From the check box, Tab leads past Exit to the four boxes; Alt+N submits.
press "$exit_window" Tab Tab
type_text "  Tom & Jerry "
xdotool key Tab
type_text "ann+news@example.org"
xdotool key Tab
type_text "Zoë #1 = 100%"
xdotool key Tab
type_text "Bob@Example.org"
xdotool key alt+n
address=$(wait_for_opened 2)
case $address in
  "http://$QXG_FORUM_HOST/qxos-refer-a-friend.php?"*) ;;
  *) fail "not the refer-a-friend page: $address" ;;
esac
cr=$(printf '\r')
expected="taf1=Tom & Jerry|
taf2=ann+news@example.org|
taf3=Your Message$cr
|
taf4=Zoë #1 = 100%|
taf5=Bob@Example.org|
taf6=http://$QXG_PROGRAM_HOST/|"
decoded=$(decode_query "${address#*\?}")
[ "$decoded" = "$expected" ] || fail "the request decodes to
$decoded
not
$expected"
running "$first" || fail "the request ended the program"
echo "The exit window's Exit: status 0"
press "$exit_window" alt+x
ends "$first" 0

echo "An instance killed: the next start runs, with the update question first; No"
kill_an_instance
printf '[Settings]\nDuration=%s\n' "$(date -d '20 days ago' +%-m/%-d/%Y)" >"$settings"
"$program" &
third=$!
question=$(wait_for_message "$third")
[ -n "$question" ] || fail "no update question after the killed instance"
shows_none "$third" main || fail "the casting window came before the question"
press "$question" n
main=$(wait_for_program_window "$third" main)
[ "$(stored_date)" = "$today" ] || fail "the answer did not store today"
[ "$(opened_count)" -eq 2 ] || fail "No opened a page: $(tail -n 1 "$QXG_OPENED_RECORD")"

echo "The result window's File > Exit: the exit window on top; its close box, status 0"
focus "$main"
for press in $(seq 16); do xdotool key space; done
result=$(wait_for_program_window "$third" main "$main")
press "$result" alt+f x
exit_window=$(wait_for_program_window "$third" exit)
xprop -id "$exit_window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  fail "the exit window does not stay on top"
"$close_window" "$exit_window"
ends "$third" 0

echo "The casting window's File > Exit, then the exit window's Exit"
"$program" &
fourth=$!
main=$(wait_for_program_window "$fourth" main)
press "$main" alt+f x
exit_window=$(wait_for_program_window "$fourth" exit)
running "$fourth" || fail "File > Exit ended the program"
press "$exit_window" alt+x
ends "$fourth" 0

echo "PASS"
