#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the hand-drawn SVG icon into the PNG sizes committed beside it.
# Run it after changing the SVG (needs rsvg-convert, Debian's librsvg2-bin);
# the build itself only copies the committed files.
set -euo pipefail
cd "$(dirname "$0")/icons"
id=io.github.quorvane.Calculator
for size in 16 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" "$id.svg" -o "${size}x${size}/$id.png"
done
