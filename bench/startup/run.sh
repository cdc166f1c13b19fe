#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the desktop program and the bare windows in Release (build-startup/) and measures how
# fast each shows its first window, on a private X server. Arguments go to qxg_startup_bench,
# for example --rounds 61. Run it on a quiet machine.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/lib/setup.sh

qxg_install_packages
qxg_build build-startup Release -DQXG_BUILD_TESTS=OFF
exec tests/e2e/run_under_xvfb.sh build-startup/bench/qxg_startup_bench \
  --program build-startup/app/QXFreeGeomancy --bare build-startup/bench/qxg_bare_window \
  --rounds 41 "$@"
