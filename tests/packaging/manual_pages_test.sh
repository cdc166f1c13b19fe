#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# manual_pages_test.sh CASTER SOURCE_DIR
#
# The manual pages render without a warning, and every option that qxgeomancy-cast --help
# lists is described in its manual page and offered by its bash completion.
set -euo pipefail
caster=$1 source=$2
status=0
for page in "$source"/packaging/man/*.1; do
  warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1 || echo "groff failed")
  [ -z "$warnings" ] || { echo "$page: $warnings" >&2; status=1; }
done
page=$(groff -man -Tascii "$source/packaging/man/qxgeomancy-cast.1" 2>/dev/null | col -b) ||
  { echo "the caster's manual page does not render" >&2; exit 1; }
completion=$(cat "$source/packaging/completion/qxgeomancy-cast")
# The options come from a caster that ran: one that cannot run, or prints no help, fails here.
help=$("$caster" --help) || { echo "$caster --help failed" >&2; exit 1; }
options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u || true)
count=$(wc -w <<<"$options")
[ "$count" -ge 11 ] || { echo "$caster --help lists $count options, fewer than 11" >&2; exit 1; }
for option in $options; do
  grep -q -- "$option" <<<"$page" || { echo "the manual page lacks $option" >&2; status=1; }
  grep -q -- "$option\b" <<<"$completion" || { echo "the completion lacks $option" >&2; status=1; }
done
exit "$status"
