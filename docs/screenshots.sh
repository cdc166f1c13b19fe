#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# docs/screenshots.sh [BUILD_DIR]: takes the README's pictures from the real programs on a private
# X server (no window manager, so no title bars): the casting window after a whole reading, the
# result window, the About window and the exit window, then QX Geomancy Chart's window after a
# cast for a question about the seventh house. Needs a build of the programs (default build/),
# xwd (Debian package x11-apps) and ImageMagick's convert (package imagemagick).
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
# ImageMagick's own convert, whatever else of that name comes first on the PATH.
export PATH="/usr/bin:$PATH"
if [ -z "${QXG_OPENED_RECORD:-}" ]; then
  exec tests/e2e/run_under_xvfb.sh "$PWD/docs/screenshots.sh" "$build"
fi
for tool in xwd convert xdotool; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done
. tests/e2e/x_session.sh
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT

shoot() {
  xwd -silent -id "$1" | convert xwd:- "docs/$2"
  echo "docs/$2"
}

# other_window PID NOT...: the process's visible window that is none of the given ones.
other_window() {
  local pid=$1 window
  shift
  for window in $(windows "$pid" "QX Geomancy v1.0"); do
    case " $* " in *" $window "*) ;; *) echo "$window"; return ;; esac
  done
  return 1
}

"$build/app/QXFreeGeomancy" &
program=$!
main=$(wait_for_program_window "$program" main)
focus "$main"
for press in $(seq 15); do xdotool key space; done
"$build/tests/e2e/x_read_window" figures "$main" 15 >/dev/null
shoot "$main" casting-window.png
xdotool key space
result=$(wait_for_program_window "$program" main "$main")
shoot "$result" result-window.png
press "$result" alt+h a
wait_until "no About window" other_window "$program" "$result" >/dev/null
about=$(other_window "$program" "$result")
sleep 0.5 # the About window's first paint
shoot "$about" about-window.png
press "$about" Escape
press "$result" alt+f x
exit_window=$(wait_for_program_window "$program" exit)
sleep 0.5
shoot "$exit_window" exit-window.png
press "$exit_window" alt+x
ends "$program" 0

"$build/chart/qxgeomancy-chart" &
chart=$!
chart_shown() { [ -n "$(windows "$chart" "QX Geomancy Chart")" ]; }
wait_until "no chart window" chart_shown
chart_window=$(windows "$chart" "QX Geomancy Chart")
xdotool windowsize --sync "$chart_window" 1200 800
press "$chart_window" alt+q
type_text "Will the house by the river sell this year?"
press "$chart_window" alt+t 7 ctrl+r
wait_until "no reading in the journal" test -s "$XDG_DATA_HOME/QXGeomancy/QX Geomancy Chart/journal.jsonl"
press "$chart_window" alt+q Home  # the question from its beginning
sleep 0.5
shoot "$chart_window" chart-window.png
press "$chart_window" ctrl+q
ends "$chart" 0
