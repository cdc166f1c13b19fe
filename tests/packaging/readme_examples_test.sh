#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# readme_examples_test.sh CASTER README
#
# Runs once, in order and in a folder of its own, every line of the README's fenced blocks that
# begins with qxgeomancy-cast, as a user would type it, and fails when one ends with a status
# other than 0.
set -euo pipefail
caster=$1 readme=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/qxg-readme.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
ln -s "$(realpath "$caster")" "$work/bin/qxgeomancy-cast"

examples=$(awk '/^```/ { fenced = !fenced; next } fenced && /^qxgeomancy-cast/' "$readme")
count=$(grep -c . <<<"$examples" || true)
[ "$count" -ge 3 ] || { echo "$readme shows $count caster examples, fewer than 3" >&2; exit 1; }

status=0
while IFS= read -r example; do
  (cd "$work" && PATH="$work/bin:$PATH" bash -o pipefail -c "$example" >/dev/null) ||
    { echo "failed with status $?: $example" >&2; status=1; }
done <<<"$examples"
exit "$status"
