#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every folder's includes point one way, down the layers:
#   app/ -> windows/ -> web/, widgets/, platform/ -> engine/, assets/
# and cli/, chart/ -> journal/ -> formats/ -> handbook/ -> engine/, with files/ beside them. A header is found by its file name in the folder that owns it.
set -euo pipefail
root=${1:?usage: include_layers_test.sh <source root>}
cd "$root"

declare -A below=(
  [engine]=""
  [assets]=""
  [widgets]=""
  [platform]="engine assets"
  [web]=""
  [windows]="web widgets platform engine assets"
  [app]="windows web widgets platform engine assets"
  [files]=""
  [handbook]="engine"
  [formats]="handbook engine"
  [journal]="formats handbook files engine"
  [cli]="journal formats handbook files engine"
  [chart]="platform journal formats handbook files engine assets"
)

# Every header, in subfolders too, belongs to the folder it lies under.
shopt -s globstar nullglob
declare -A owner=()
for folder in "${!below[@]}"; do
  for header in "$folder"/**/*.h "$folder"/**/*.h.in; do
    header=${header##*/} && owner[${header%.in}]=$folder
  done
done

failures=0 checked=0
for folder in "${!below[@]}"; do
  [[ -d $folder ]] || { echo "no folder $folder/" >&2; failures=$((failures + 1)); continue; }
  for file in "$folder"/**/*.h "$folder"/**/*.cpp; do
    while IFS= read -r header; do
      from=${owner[$header]:-}
      [[ -z $from || $from == "$folder" ]] && continue
      checked=$((checked + 1))
      if [[ " ${below[$folder]} " != *" $from "* ]]; then
        echo "$file includes $header from $from/, which lies above or beside $folder/" >&2
        failures=$((failures + 1))
      fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  done
done
# A tree whose includes between folders cannot be found has not been checked.
((checked)) || { echo "no include from one folder into another was found" >&2; failures=1; }
if ((failures)); then
  exit 1
fi
echo "includes point one way"
