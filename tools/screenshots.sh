#!/usr/bin/env bash
# Refreshes the pictures in docs/screenshots/: builds the screenshot tool and
# runs it on a virtual X server (xvfb-run, Debian's xvfb and xauth), so the
# pictures do not depend on the desktop's theme. Without xvfb-run it uses the
# display in $DISPLAY. The output folder may be given; QT_SCALE_FACTOR scales.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUORVANE_BUILD_DIR:-build}
out=${1:-docs/screenshots}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target quorvane_screenshots -j"$(nproc)"
tool=$build/tools/quorvane_screenshots
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= QT_STYLE_OVERRIDE=Fusion
if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1600x1200x24" "$tool" "$out"
elif [ -n "${DISPLAY:-}" ]; then
    "$tool" "$out"
else
    echo "No X display and no xvfb-run: install xvfb and xauth, or run under an X session." >&2
    exit 2
fi
