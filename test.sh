#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test on Qt's offscreen platform
# (the captions once more on a virtual X server).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
# xvfb-run (xvfb, xauth): one test reads the windows' titles from a virtual X server.
quorvane_install "${quorvane_packages[@]}" xvfb xauth
quorvane_build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${QUORVANE_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
