#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# chart_e2e.sh CHART CASTER
#
# QX Geomancy Chart as a person uses it by keyboard, run as real processes on the private X
# server of run_under_xvfb.sh (its own home, configuration and data folders):
#   - a question typed, house 7 chosen as the quesited's, a reading cast with Ctrl+R;
#   - File › Save Picture As…, a path typed into the file dialog: the SVG written holds the
#     question and is the very picture the caster draws of the journal's reading;
#   - Quit ends the process with status 0, the settings keep the houses, and the journal holds
#     the one reading, which the caster lists;
#   - a second start, its quesited's house set to none, shows the reading chosen from the
#     journal's list with Enter, houses and all: Edit › Copy Judgement copies the reading in
#     words as the caster shows it. The journal still holds one reading.
# The clipboard is read with xclip.
set -eu

program=$1 caster=$2
export LC_ALL=C.UTF-8
. "$(dirname "$0")/x_session.sh"
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
command -v xclip >/dev/null || fail "xclip is not installed (Debian package: xclip)"

title="QX Geomancy Chart"
journal="$XDG_DATA_HOME/QXGeomancy/QX Geomancy Chart/journal.jsonl"
chart_settings="$XDG_CONFIG_HOME/QXGeomancy/QX Geomancy Chart.conf"
question="Will the house by the river sell this year?"
picture="$HOME/pictures/reading one.svg"
drawn="$HOME/drawn.svg"
mkdir -p "$HOME/pictures"

# one_window PID TITLE: true when the process shows exactly one window of that title, left in
# $shown. Fails at once if the process has ended.
one_window() {
  running "$1" || fail "process $1 ended while a window \"$2\" was awaited"
  shown=$(windows "$1" "$2")
  [ -n "$shown" ] && [ "$(wc -l <<<"$shown")" -eq 1 ]
}

wait_for_window() {
  wait_until "process $1 shows no single window \"$2\"" one_window "$1" "$2"
  echo "$shown"
}

# The picture is written once the dialog has gone: whole when it is the caster's.
drawn_as_the_caster_draws() {
  [ -f "$picture" ] && cmp -s "$picture" "$drawn"
}

# The caster's reading in words of the journal's reading: its balance and its testimonies.
copied_as_the_caster_shows() {
  local copied reading
  copied=$(xclip -o -selection clipboard 2>/dev/null) || return 1
  reading=$("$caster" --journal "$journal" --show 1 |
    sed -n '/^Reading by the method/,/^The Witnesses/p' | sed '$d')
  [ -n "$reading" ] && [[ $copied == *"$reading"* ]]
}

echo "A question, the quesited's house and a cast, by keyboard"
"$program" &
first=$!
main=$(wait_for_window "$first" "$title")
press "$main" alt+q
type_text "$question"
# The houses are listed by number: typing 7 finds house 7.
press "$main" alt+t 7 ctrl+r
wait_until "the reading cast reached no journal" test -s "$journal"

echo "File › Save Picture As…: a path typed into the file dialog"
press "$main" alt+f s
dialog=$(wait_for_window "$first" "Save Picture As")
focus "$dialog"
type_text "$picture"
xdotool key Return
"$caster" --journal "$journal" --show 1 --svg "$drawn" >/dev/null
wait_until "the picture saved is not the caster's picture of the reading" drawn_as_the_caster_draws
head -n 2 "$picture" | grep -q '^<svg ' || fail "the picture is no SVG: $(head -c 200 "$picture")"
grep -qF ">$question</text>" "$picture" || fail "the picture does not hold the question"

echo "Quit: the settings keep the houses, the journal the one reading"
press "$main" ctrl+q
ends "$first" 0
grep -qx "quesited=7" "$chart_settings" || fail "the settings hold: $(cat "$chart_settings")"
[ "$(wc -l <"$journal")" -eq 1 ] || fail "the journal holds $(wc -l <"$journal") lines, not 1"
grep -qF '"quesited":7' "$journal" || fail "the journal's reading has not house 7 as the quesited"
listed=$("$caster" --journal "$journal" --list)
[ "$(wc -l <<<"$listed")" -eq 1 ] && grep -q "^1 .*$question\$" <<<"$listed" ||
  fail "the caster lists: $listed"

echo "A second start: the reading chosen from the journal's list, with its houses"
"$program" &
second=$!
main=$(wait_for_window "$second" "$title")
# Home chooses none: only the reading itself can bring house 7 back.
press "$main" alt+t Home alt+j Return
# The Edit menu's first command, reached from the File menu.
press "$main" alt+f Right Return
wait_until "the clipboard does not hold the judgement the caster shows" copied_as_the_caster_shows
press "$main" ctrl+q
ends "$second" 0
[ "$(wc -l <"$journal")" -eq 1 ] || fail "showing the reading again added to the journal"
echo "PASS"
