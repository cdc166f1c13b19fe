#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# wine_session.sh SETUP X_READ_WINDOW X_CLOSE_WINDOW [MONKEY_EVENTS]
#
# The Windows program as a Windows user meets it, under Wine on the private X server of
# run_under_xvfb.sh, in a fresh Wine prefix whose user is named "Zoë" (letters outside ASCII):
#   - the installer, silent, puts the program in the user's programs, the Start menu and the
#     installed programs;
#   - the first start stores today in the registry; a reading by keyboard ends in the result
#     window naming the Judge that the casting window's boxes show;
#   - a menu command and a link label reach the browser (a stand-in that records the address)
#     with the exact address;
#   - a second start shows "Application is already running" and ends;
#   - closing leads to the exit window, kept on top; its Exit ends the process with status 0;
#   - with a stored date 15 days old the update question comes; garbage in the value is replaced;
#   - logging off ends the program with status 0, without the exit window;
#   - QX Geomancy Chart from its own Start-menu entry: a cast by keyboard, its picture saved
#     through the file dialog (the classic one: Wine's newer one can end the program), and its
#     journal in the user's data folder listed by the caster;
#   - an uninstall while the program runs is refused;
#   - the outside monkey (outside_monkey.sh) finds no death in MONKEY_EVENTS events (2,000), in
#     either program;
#   - the silent uninstall leaves no file or entry behind but the user's setting and journal.
# QXG_FORUM_HOST and QXG_PROGRAM_HOST name the hosts the program was built with.
set -eu

setup=$1 read_window=$2 close_window=$3 monkey_events=${4:-2000}
. "$(dirname "$0")/x_session.sh"
trap 'kill $(jobs -p) 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT

export LC_ALL=C.UTF-8 LANG=C.UTF-8 USER=Zoë LOGNAME=Zoë
export WINEPREFIX="$HOME/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
setting='HKCU\Software\QXFreeGeomancy\Settings'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\QXGeomancy'
today=$(date +%-m/%-d/%Y)

echo "A fresh prefix: Verdana and MS Sans Serif as the faces the Linux build uses, the stand-in browser"
wineboot -i >/dev/null 2>&1
users=$(ls "$WINEPREFIX/drive_c/users")
grep -qx 'Zoë' <<<"$users" || fail "the prefix's user is not Zoë: $users"
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Verdana /d 'DejaVu Sans' /f >/dev/null
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Sans Serif' /d 'DejaVu Sans' /f >/dev/null
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$QXG_STAND_IN_XDG_OPEN" /f >/dev/null
installed="$WINEPREFIX/drive_c/users/Zoë/AppData/Local/Programs/QX Geomancy"
program="C:\\users\\Zoë\\AppData\\Local\\Programs\\QX Geomancy\\QXFreeGeomancy.exe"
menu_entry="$WINEPREFIX/drive_c/users/Zoë/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/QX Geomancy.lnk"
chart="C:\\users\\Zoë\\AppData\\Local\\Programs\\QX Geomancy\\qxgeomancy-chart.exe"
chart_entry="${menu_entry%.lnk} Chart.lnk"
chart_journal='C:\users\Zoë\AppData\Roaming\QXGeomancy\QX Geomancy Chart\journal.jsonl'
chart_journal_file="$WINEPREFIX/drive_c/users/Zoë/AppData/Roaming/QXGeomancy/QX Geomancy Chart/journal.jsonl"
chart_picture="$WINEPREFIX/drive_c/users/Zoë/chart.svg"

stored_date() {
  wine reg query "$setting" /v Duration 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ[[:space:]]*//p'
}

# wine_command PATH PROGRAM: a command at PATH that runs the Windows PROGRAM under Wine, as the
# outside monkey starts a program.
wine_command() {
  mkdir -p "$(dirname "$1")"
  printf '#!/bin/sh\nexec wine "%s"\n' "$2" >"$1"
  chmod +x "$1"
}

uninstaller_ended() {
  ! pgrep -f '\\Un\.exe' >/dev/null
}

echo "Silent install"
wine "$setup" /S
wineserver -w
[ -f "$installed/QXFreeGeomancy.exe" ] || fail "nothing installed in $installed"
[ -f "$menu_entry" ] || fail "no Start-menu entry"
[ -f "$chart_entry" ] || fail "no Start-menu entry for QX Geomancy Chart"
wine reg query "$uninstall_key" /v DisplayVersion | grep -q '1\.0' || fail "not in the installed programs"

echo "First start: no question, today stored; a reading by keyboard names the Judge"
wine "$program" &
first=$!
main=$(wait_for_program_window "$first" main)
[ -z "$(windows "$first" "QX Geomancy")" ] || fail "the first start asked a question"
wait_until "today is not stored" test "$(stored_date)" = "$today"
focus "$main"
for press in $(seq 15); do xdotool key space; done
judge=$("$read_window" judge "$main")
xdotool key space
result=$(wait_for_program_window "$first" main "$main")
named=$("$read_window" name "$result" nearest)
echo "  the Judge's boxes show $judge; the result window names $named"
[ -n "$judge" ] && [ "$named" = "$judge" ] || fail "the result window names \"$named\", not \"$judge\""

echo "A menu command and a link label reach the browser"
press "$result" alt+h o
address=$(wait_for_opened 1)
[ "$address" = "http://$QXG_PROGRAM_HOST/qx-free-geomancy-help.html" ] || fail "Online Help opened $address"
press "$result" alt+b
main=$(wait_for_program_window "$first" main "$result")
xdotool mousemove --window "$main" 240 40 click 1
address=$(wait_for_opened 2)
[ "$address" = "http://$QXG_FORUM_HOST/" ] || fail "the link label opened $address"

echo "Second start: only the message, then status 0"
wine "$program" &
second=$!
message=$(wait_for_message "$second")
[ -n "$message" ] || fail "the second start showed no message"
press "$message" Return
ends "$second" 0
running "$first" || fail "the first instance ended"

echo "Uninstalling while the program runs is refused, and changes nothing"
# The uninstaller runs as a copy of itself in the user's Temp folder (Un.exe), which a silent
# refusal ends at once; wineserver -w would wait for the program as well.
wine "$installed/Uninstall.exe" /S
sleep 1
wait_until "the uninstaller does not end" uninstaller_ended
[ -f "$installed/Qt6Core.dll" ] || fail "the uninstaller removed files of the running program"
[ -f "$installed/QXFreeGeomancy.exe" ] || fail "the uninstaller removed the running program"

echo "Closing: the exit window, on top; its Exit ends the process with status 0"
press "$main" alt+F4
exit_window=$(wait_for_program_window "$first" exit)
xprop -id "$exit_window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the exit window is not on top"
press "$exit_window" alt+x
ends "$first" 0

echo "A stored date 15 days old: the update question; No"
wine reg add "$setting" /v Duration /d "$(date -d '15 days ago' +%-m/%-d/%Y)" /f >/dev/null
wine "$program" &
third=$!
question=$(wait_for_message "$third")
[ -n "$question" ] || fail "no update question"
press "$question" n
main=$(wait_for_program_window "$third" main)
[ "$(stored_date)" = "$today" ] || fail "the answer did not store today"
press "$main" alt+f x
press "$(wait_for_program_window "$third" exit)" alt+x
ends "$third" 0

echo "A value of the wrong type: replaced by today, no question"
wine reg add "$setting" /v Duration /t REG_DWORD /d 7 /f >/dev/null
wine "$program" &
fourth=$!
main=$(wait_for_program_window "$fourth" main)
[ -z "$(windows "$fourth" "QX Geomancy")" ] || fail "a value of the wrong type brought a question"
wait_until "the value was not replaced by today" test "$(stored_date)" = "$today"
press "$main" alt+f x
press "$(wait_for_program_window "$fourth" exit)" alt+x
ends "$fourth" 0

echo "QX Geomancy Chart: a cast by keyboard, its picture saved, its journal listed by the caster"
# Wine names each library as the program loads it: the file dialog must be the classic one.
WINEDEBUG=+loaddll wine "$chart" 2>"$HOME/chart-libraries" &
sixth=$!
chart_shows() {
  [ -n "$(windows "$sixth" "$1")" ]
}
wait_until "QX Geomancy Chart shows no window" chart_shows "QX Geomancy Chart"
chart_window=$(windows "$sixth" "QX Geomancy Chart")
press "$chart_window" alt+q
type_text "Will it rain?"
press "$chart_window" alt+t 7 ctrl+r
wait_until "the chart program's journal was not written" test -s "$chart_journal_file"
press "$chart_window" alt+f s
wait_until "no Save Picture As dialog" chart_shows "Save Picture As"
! grep -q -i 'explorerframe\.dll' "$HOME/chart-libraries" ||
  fail "the chart program shows Wine's newer file dialog, whose tree of folders can end it"
# The dialog offers chart.svg in the user's own folder.
press "$(windows "$sixth" "Save Picture As")" Return
wait_until "the picture was not saved" test -s "$chart_picture"
grep -qF '>Will it rain?</text>' "$chart_picture" || fail "the saved picture lacks the question"
press "$chart_window" alt+f q  # Quit has no key of its own on Windows
ends "$sixth" 0
listed=$(wine "$installed/qxgeomancy-cast.exe" --journal "$chart_journal" --list | tr -d '\r')
[ "$(wc -l <<<"$listed")" -eq 1 ] && grep -q 'Will it rain?$' <<<"$listed" ||
  fail "the Windows caster lists: $listed"

echo "Logging off ends the program as the desktop's Quit does: no exit window, status 0"
wine "$program" &
fifth=$!
wait_for_program_window "$fifth" main >/dev/null
wineboot --end-session --shutdown
ends "$fifth" 0

echo "The outside monkey against the installed program"
wine_command "$HOME/installed-program" "$program"
"$(dirname "$0")/outside_monkey.sh" "$HOME/installed-program" "$close_window" "$monkey_events" 1
wineserver -k 2>/dev/null || true

echo "The outside monkey against QX Geomancy Chart, confined as on Linux"
# Its file dialogs reach the whole file system through Wine's drives, so the monkey runs it
# confined (confine.sh), where no Wine server could start: one is started here and kept.
wineserver -w
wineserver -p
wine_command "$HOME/chart/qxgeomancy-chart" "$chart"
"$(dirname "$0")/outside_monkey.sh" "$HOME/chart/qxgeomancy-chart" "$close_window" "$monkey_events" 2
wineserver -k 2>/dev/null || true

echo "Silent uninstall: no file, no entry; the setting stays"
wine "$installed/Uninstall.exe" /S
wineserver -w
[ ! -e "$installed" ] || fail "left behind: $(find "$installed")"
[ ! -e "$menu_entry" ] || fail "the Start-menu entry is left behind"
[ ! -e "$chart_entry" ] || fail "the chart program's Start-menu entry is left behind"
[ -s "$chart_journal_file" ] || fail "the chart program's journal went with the program"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall entry is left behind"
[ "$(stored_date)" = "$today" ] || fail "the user's setting went with the program"
echo "PASS"
