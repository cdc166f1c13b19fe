#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# outside_monkey.sh PROGRAM CLOSE_WINDOW EVENTS SEED
#
# Random input from outside against the real program, QXFreeGeomancy or qxgeomancy-chart, on the
# private X server of run_under_xvfb.sh, as a careless user would give it: clicks anywhere in its
# windows, keys and access keys, typed texts of up to 10,000 characters (characters that no key
# carries make xdotool remap a key for a moment), close requests, now and then a second start, and
# a new start whenever the program has ended (sometimes with the desktop program's update question
# due). The chart program's file dialogs reach the whole file system: it runs confined to the
# test's own folders (confine.sh). The same SEED makes the same choices; the timing still varies.
#
# After every 25 events: each ended process ended with status 0 and no sanitizer report; no
# process goes without a window for more than 2 seconds; only the program's own addresses
# reached the stand-in browser; the settings file holds nothing but the program's own settings.
# A failure says which seed and event, and shows the last events and the process's standard error.
set -eu

program=$1 close_window=$2 events=$3 seed=$4
. "$(dirname "$0")/x_session.sh"
logs=$(mktemp -d)
# Whatever is still running goes with the monkey, and is reaped before its files are removed.
trap 'kill -KILL $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$logs"' EXIT
RANDOM=$seed

keys=(Tab shift+Tab Return KP_Enter Escape space F10 Up Down Left Right Home End BackSpace Delete
  Menu ctrl+a ctrl+c ctrl+v ctrl+x ctrl+z alt+F4 F1 shift+F10 alt+f alt+h alt+d alt+o alt+x
  alt+n alt+b alt+u a e x 1)
pools=('abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,-'
  "'\"&=#%+?/\\<>;:@,!\$*()[]{}|^\`~ " 'éèüßñÆøå日本語한국어العربيةעברית🎲😀ë ')
hosts="($QXG_FORUM_HOST|$QXG_HELP_HOST|$QXG_PROGRAM_HOST)"
settings_lines='^(\[Settings\]|Duration=[0-9/]*|)$'
run=()
chart=
if [ "${program##*/}" = qxgeomancy-chart ]; then
  chart=1
  settings="$XDG_CONFIG_HOME/QXGeomancy/QX Geomancy Chart.conf"
  settings_lines='^(\[General\]|geometry=@ByteArray\(.*\)|querent=[0-9]+|quesited=[0-9]+|topic=[a-z]*|order=(traditional|golden-dawn)|journal=.+|)$'
  run=("$(dirname "$0")/confine.sh" "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
    "$XDG_RUNTIME_DIR" --)
  keys+=(ctrl+r ctrl+e ctrl+o ctrl+shift+s ctrl+shift+e ctrl+p ctrl+q alt+e alt+r alt+c alt+q
    alt+t alt+j)
fi

declare -A started=()  # pid -> the time it started, and "w" once it has shown a window
history=()
event=0 idle=0

note() {
  history+=("$event: $*")
  [ "${#history[@]}" -le 20 ] || history=("${history[@]:1}")
}

defect() {
  echo "FAIL (seed $seed, event $event): $*" >&2
  printf '  %s\n' "${history[@]}" >&2
  for file in "$logs"/*; do
    [ -s "$file" ] && { echo "standard error of process ${file##*/}:" >&2 && head -c 3000 "$file" >&2; }
  done
  exit 1
}

start() {
  # The update question is due on a date written in this locale's format (see below).
  (exec "${run[@]}" env LC_ALL=en_US.UTF-8 "$program" 2>"$logs/$BASHPID") &
  started[$!]=$SECONDS
  note "start $!"
}

# text: a random text, mostly short, sometimes of thousands of characters.
text() {
  local pool=${pools[RANDOM % 3]} length=$((RANDOM % 30 + 1)) out=""
  case $((RANDOM % 20)) in
    0) length=$((RANDOM % 2700 + 300)) ;;
    1) printf 'W%.0s' $(seq 10000) && return ;;
  esac
  while [ "${#out}" -lt "$length" ]; do out+=${pool:RANDOM % ${#pool}:1}; done
  printf '%s' "$out"
}

one_event() {
  local windows window x y width height kind=$((RANDOM % 100))
  windows=($(for pid in "${!started[@]}"; do xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true; done))
  if [ "${#windows[@]}" -eq 0 ]; then
    idle=$((idle + 1))
    [ "$idle" -lt 400 ] || defect "no window of the program for 20 seconds"
    sleep 0.05 && return
  fi
  idle=0
  window=${windows[RANDOM % ${#windows[@]}]}
  WIDTH=0 HEIGHT=0
  eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)" || return 0
  [ "$WIDTH" -gt 0 ] && [ "$HEIGHT" -gt 0 ] || return 0
  x=$((X + RANDOM % WIDTH)) y=$((Y + RANDOM % HEIGHT))
  if [ "$kind" -lt 42 ]; then
    note "click $x,$y"
    local clicks=$((RANDOM % 8 == 0 ? 2 : 1))
    xdotool mousemove "$x" "$y" click --repeat "$clicks" --delay $((clicks == 2 ? 40 : 0)) \
      $((RANDOM % 10 == 0 ? RANDOM % 3 + 2 : 1))
  elif [ "$kind" -lt 76 ]; then
    key=${keys[RANDOM % ${#keys[@]}]}
    note "key $key"
    xdotool key --delay 0 "$key"
  elif [ "$kind" -lt 86 ]; then
    local typed
    typed=$(text)
    note "type ${typed:0:40} (${#typed})"
    LC_ALL=C.UTF-8 xdotool type --delay 0 -- "$typed"
  elif [ "$kind" -lt 90 ]; then
    note "close $window"
    "$close_window" "$window" || true
  elif [ "$kind" -lt 99 ]; then
    note "move $x,$y"
    xdotool mousemove "$x" "$y"
  elif [ "${#started[@]}" -lt 2 ]; then
    start
  fi
  event=$((event + 1))
}

check() {
  local pid status
  for pid in "${!started[@]}"; do
    if running "$pid"; then
      if [ -n "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null)" ]; then
        started[$pid]=w
      elif [ "${started[$pid]}" = w ] || [ $((SECONDS - started[$pid])) -gt 20 ]; then
        sleep 2
        running "$pid" && [ -z "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null)" ] &&
          defect "process $pid has shown no window for 2 seconds"
      fi
      continue
    fi
    status=0
    wait "$pid" || status=$?
    unset "started[$pid]"
    note "process $pid ended with status $status"
    [ "$status" -eq 0 ] || defect "process $pid ended with status $status"
    grep -q -E 'Sanitizer|runtime error' "$logs/$pid" && defect "a sanitizer reported"
    rm -f "$logs/$pid"
  done
  grep -v -q -E "^https?://$hosts(/|\$)" "$QXG_OPENED_RECORD" &&
    defect "an address not the program's: $(grep -v -E "^https?://$hosts(/|\$)" "$QXG_OPENED_RECORD")"
  [ ! -e "$settings" ] || ! grep -v -q -E "$settings_lines" "$settings" ||
    defect "the settings file holds: $(cat "$settings")"
}

while [ "$event" -lt "$events" ]; do
  if [ "${#started[@]}" -eq 0 ]; then
    if [ $((RANDOM % 4)) -eq 0 ] && [ -e "$settings" ] && [ -z "$chart" ]; then
      printf '[Settings]\nDuration=%s\n' "$(date -d '30 days ago' +%-m/%-d/%Y)" >"$settings"
    fi
    start
  fi
  for _ in $(seq 25); do one_event; done
  check
  [ $((event % 1000)) -ge 25 ] || echo "seed $seed: $event events, $SECONDS s"
done
echo "PASS: $events events, seed $seed"
