#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Refreshes the pictures in docs/screenshots/: builds the screenshot tool and
# runs it on a virtual X server (xvfb-run, Debian's xvfb and xauth), so the
# pictures do not depend on the desktop's theme. Without xvfb-run it uses the
# display in $DISPLAY. The output folder may be given; QT_SCALE_FACTOR scales,
# and --palette dark (or high-contrast) takes them in that palette:
#   tools/screenshots.sh [--palette dark|high-contrast] [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUORVANE_BUILD_DIR:-build}
palette=()
if [ "${1:-}" = --palette ]; then
    palette=(--palette "${2:?--palette needs dark or high-contrast}")
    shift 2
fi
out=${1:-docs/screenshots}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target quorvane_screenshots -j"$(nproc)"
tool=$build/tools/quorvane_screenshots
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= QT_STYLE_OVERRIDE=Fusion
if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1600x1200x24" "$tool" "${palette[@]}" "$out"
elif [ -n "${DISPLAY:-}" ]; then
    "$tool" "${palette[@]}" "$out"
else
    echo "No X display and no xvfb-run: install xvfb and xauth, or run under an X session." >&2
    exit 2
fi
