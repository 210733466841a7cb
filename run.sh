#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
quorvane_install "${quorvane_packages[@]}"
quorvane_build quorvane
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "The calculator is built (${QUORVANE_BUILD_DIR:-build}/app/quorvane), but there is no display to show it on." >&2
    echo "Run this from a desktop session, or under a virtual X server: xvfb-run ./run.sh" >&2
    exit 2
fi
exec "${QUORVANE_BUILD_DIR:-build}/app/quorvane" "$@"
