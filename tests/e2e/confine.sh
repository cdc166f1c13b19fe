#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# confine.sh FOLDER... -- PROGRAM [ARGUMENTS...]
#
# Runs PROGRAM, as this very process (its id stays the same), in a mount namespace of its own
# where every file system is read-only and opens no device, but for the FOLDERs, which stay
# writable. Random input reaches the chart program's file dialogs, which could otherwise write,
# overwrite or delete any file the test's user may touch, and as root any file at all, devices
# included. Where no such namespace can be made, the program is not started.
set -eu

if [ "${1:-}" != --inside ]; then
  if [ "$(id -u)" -eq 0 ]; then
    exec unshare --mount --propagation private "$0" --inside "$@"
  fi
  exec unshare --user --map-root-user --mount --propagation private "$0" --inside "$@"
fi
shift
writable=()
while [ "$#" -gt 0 ] && [ "$1" != -- ]; do
  writable+=("$(realpath "$1")")
  shift
done
[ "$#" -ge 2 ] || { echo "usage: $0 FOLDER... -- PROGRAM [ARGUMENTS...]" >&2; exit 2; }
shift

for folder in "${writable[@]}"; do
  mount --bind "$folder" "$folder"
done
mounts=$(cat /proc/self/mounts)
while read -r _ target _ options _; do
  target=$(printf '%b' "$target")  # a blank in a mount point is written \040
  for folder in "${writable[@]}"; do
    [ "$target" != "$folder" ] || continue 2
  done
  case ",$options," in *,ro,*) case ",$options," in *,nodev,*) continue ;; esac ;; esac
  # A namespace of a user's own may not change the flags its parent set, so they are kept.
  kept=
  for flag in noexec noatime nodiratime strictatime; do
    case ",$options," in *,"$flag",*) kept+=,$flag ;; esac
  done
  mount -o "remount,bind,ro,nodev,nosuid$kept" "$target"
done <<<"$mounts"

exec "$@"
