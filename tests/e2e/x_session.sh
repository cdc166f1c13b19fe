# SPDX-License-Identifier: MIT
# Sourced by the tests that run the real program on the private X server of run_under_xvfb.sh:
# finding its windows, typing into them, and waiting for windows, files and processes.
# There is no window manager: windows are told apart by title (message boxes "QX Geomancy", the
# program's windows "QX Geomancy v1.0") and the exit window by its width. Every wait gives up
# after 30 seconds.

settings="$XDG_CONFIG_HOME/QXFreeGeomancy/QXFreeGeomancy.conf"
exit_window_width=741

fail() {
  echo "FAIL: $*" >&2
  echo "The program's windows on the screen:" >&2
  local window
  for window in $(xdotool search --onlyvisible --name '^QX Geomancy' 2>/dev/null); do
    echo "  $window \"$(xdotool getwindowname "$window")\", process" \
      "$(xdotool getwindowpid "$window" 2>/dev/null)," "$(width "$window") wide" >&2
  done
  exit 1
}

# running PID: the process has not ended (an ended child that is not yet waited for has).
running() {
  local state
  state=$(sed -n 's/^State:[[:space:]]*\([A-Z]\).*/\1/p' "/proc/$1/status" 2>/dev/null)
  [ -n "$state" ] && [ "$state" != Z ]
}

ended() {
  ! running "$1"
}

# wait_until WHAT COMMAND...: runs the command every 50 ms until it succeeds.
wait_until() {
  local what=$1 tries=0
  shift
  until "$@"; do
    tries=$((tries + 1))
    [ "$tries" -le 600 ] || fail "$what, after 30 seconds"
    sleep 0.05
  done
}

# windows PID TITLE: the visible windows of the process with exactly that title.
windows() {
  xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null || true
}

# wait_for_message PID: the process's first visible message box.
wait_for_message() {
  timeout 30 xdotool search --all --sync --onlyvisible --pid "$1" --name '^QX Geomancy$' \
    2>/dev/null | head -n 1
}

# width WINDOW: nothing for a window that has gone meanwhile.
width() {
  xdotool getwindowgeometry --shell "$1" 2>/dev/null | sed -n 's/^WIDTH=//p'
}

# program_window PID KIND: the process's visible main windows (casting or result, KIND main) or
# exit window (KIND exit).
program_window() {
  local pid=$1 kind=$2 window wide
  for window in $(windows "$pid" "QX Geomancy v1.0"); do
    wide=$(width "$window")
    [ -n "$wide" ] || continue
    if [ "$wide" -eq "$exit_window_width" ]; then
      [ "$kind" = exit ] && echo "$window"
    else
      [ "$kind" = main ] && echo "$window"
    fi
  done
}

# shows_one PID KIND [NOT]: true when the process shows exactly one window of the kind, and not
# the window NOT; the window is left in $shown. Fails at once if the process has ended.
shows_one() {
  running "$1" || fail "process $1 ended while a $2 window was awaited"
  shown=$(program_window "$1" "$2")
  [ -n "$shown" ] && [ "$shown" = "$(printf '%s' "$shown" | head -n 1)" ] && [ "$shown" != "${3:-}" ]
}

shows_none() {
  [ -z "$(program_window "$1" "$2")" ]
}

# wait_for_program_window PID KIND [NOT]: waits until the process shows exactly one window of
# the kind (a new one, if NOT is given), and prints it.
wait_for_program_window() {
  wait_until "process $1 shows no single $2 window${3:+ other than $3}" shows_one "$@"
  echo "$shown"
}

focus() {
  timeout 30 xdotool windowfocus --sync "$1" || fail "window $1 did not take the focus"
}

# press WINDOW KEYS...: focuses the window and types the keys into it.
press() {
  local window=$1
  shift
  focus "$window"
  xdotool key --delay 50 "$@"
}

# type_text TEXT: types the text, whatever the locale of the test.
type_text() {
  LC_ALL=C.UTF-8 xdotool type --delay 20 "$1"
}

# kill_an_instance: starts the program ($program), waits for its casting window and kills it
# with SIGKILL, so that its lock file stays behind.
kill_an_instance() {
  local killed
  "$program" &
  killed=$!
  wait_for_program_window "$killed" main >/dev/null
  kill -KILL "$killed"
  wait "$killed" 2>/dev/null || true
}

# ends PID STATUS: waits for the process to end and checks its status.
ends() {
  local status=0
  wait_until "process $1 did not end" ended "$1"
  wait "$1" || status=$?
  [ "$status" -eq "$2" ] || fail "process $1 ended with status $status, not $2"
}

stored_date() {
  sed -n 's/^Duration=//p' "$settings" 2>/dev/null
}

# The addresses the stand-in xdg-open has recorded.
opened_count() {
  wc -l <"$QXG_OPENED_RECORD"
}

has_opened() {
  [ "$(opened_count)" -ge "$1" ]
}

# wait_for_opened COUNT: waits until COUNT addresses in all have been recorded, and prints the
# last of them.
wait_for_opened() {
  wait_until "fewer than $1 addresses reached the opener" has_opened "$1"
  [ "$(opened_count)" -eq "$1" ] || fail "more than $1 addresses: $(cat "$QXG_OPENED_RECORD")"
  tail -n 1 "$QXG_OPENED_RECORD"
}

# decode_query QUERY: the pairs of an address's query as a page reads them, one "name=value|" a
# line: split at "&" and the first "=", "+" a blank, then percent-decoded. Each value ends in
# "|", so that a line break at its end is seen too.
decode_query() {
  local pair value
  printf '%s\n' "$1" | tr '&' '\n' | while IFS= read -r pair; do
    value=$(percent_decoded "${pair#*=}" && printf '|')
    printf '%s=%s\n' "${pair%%=*}" "$value"
  done
}

percent_decoded() {
  printf '%b' "$(printf '%s' "$1" | sed 's/+/ /g; s/%\([0-9A-Fa-f][0-9A-Fa-f]\)/\\x\1/g')"
}
