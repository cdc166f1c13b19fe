#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every folder's includes point one way, down the layers:
#   app/ -> windows/ -> web/, widgets/, platform/ -> engine/, assets/
# and cli/ -> engine/. A header is found by its file name in the folder that owns it.
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
  [cli]="engine"
)

owner_of() {
  local header=$1 folder
  for folder in "${!below[@]}"; do
    if [[ -e $folder/$header || -e $folder/$header.in ]]; then
      echo "$folder"
      return
    fi
  done
}

failures=0
for folder in "${!below[@]}"; do
  [[ -d $folder ]] || { echo "no folder $folder/" >&2; failures=$((failures + 1)); continue; }
  for file in "$folder"/*.h "$folder"/*.cpp; do
    [[ -e $file ]] || continue
    while IFS= read -r header; do
      owner=$(owner_of "$header")
      [[ -z $owner || $owner == "$folder" ]] && continue
      if [[ " ${below[$folder]} " != *" $owner "* ]]; then
        echo "$file includes $header from $owner/, which lies above or beside $folder/" >&2
        failures=$((failures + 1))
      fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  done
done
if ((failures)); then
  exit 1
fi
echo "includes point one way"
