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
  warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || { echo "$page: $warnings" >&2; status=1; }
done
page=$(groff -man -Tascii "$source/packaging/man/qxgeomancy-cast.1" 2>/dev/null | col -b)
completion=$(cat "$source/packaging/completion/qxgeomancy-cast")
for option in $("$caster" --help | grep -o -- '--[a-z]\+' | sort -u); do
  grep -q -- "$option" <<<"$page" || { echo "the manual page lacks $option" >&2; status=1; }
  grep -q -- "$option\b" <<<"$completion" || { echo "the completion lacks $option" >&2; status=1; }
done
exit "$status"
