#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# wine_caster_test.sh RUNNER WINDOWS_CASTER LINUX_CASTER
#
# The Windows caster under Wine writes byte for byte what the Linux caster writes (line feeds,
# not CR LF), names its files in any letters, and ends with the same statuses.
set -euo pipefail
runner=$1 windows=$2 linux=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

runs=(
  "--help" "--version" "--odds" "--odds --json --quesited 7"
  "--seed 1" "--seed 2 --json --readings 1000" "--seed 3 --houses --quesited 7"
  "--mothers 1122,2111,1221,2221 --json --houses --quesited 10 --querent 4"
  "--mothers 1122,1212,2211,2122 --order golden-dawn --topic money --reading"
  "--seed 4 --json --readings 200 --houses --reading --topic marriage"
  "--odds --order golden-dawn --quesited 2"
)
for run in "${runs[@]}"; do
  # shellcheck disable=SC2086 # each run is a list of words
  expected=$("$linux" $run | sha256sum) || fail "the Linux caster failed on: $run"
  # shellcheck disable=SC2086
  actual=$("$runner" "$windows" $run | sha256sum) || fail "the Windows caster failed on: $run"
  [ "$actual" = "$expected" ] || fail "output differs for: $run"
done

# The picture, under a name with letters outside ASCII.
"$linux" --seed 5 --houses --svg linux.svg >/dev/null
"$runner" "$windows" --seed 5 --houses --svg "Zoë ✓.svg" >/dev/null || fail "picture not written"
cmp -s <(grep -v cast-at linux.svg) <(grep -v cast-at "Zoë ✓.svg") || fail "the picture differs, or is not under its name"

status_of() { "$runner" "$windows" "$@" >/dev/null 2>&1 && echo 0 || echo $?; }
[ "$(status_of --readings 0)" = 2 ] || fail "a bad argument does not end with status 2"
[ "$(status_of --seed 1 --svg no-folder/a.svg)" = 1 ] || fail "an unwritable picture does not end with status 1"

echo "$((${#runs[@]} + 3 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
