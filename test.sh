#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up what is missing, builds, and runs every test: on Qt's offscreen
# platform, and those that need it on a virtual X server, on a headless weston
# and with an AT-SPI bus (tests/CMakeLists.txt gives each its label). Every
# test is there: configuring stops where a program a test needs is missing.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
quorvane_install "${quorvane_packages[@]}" "${quorvane_test_packages[@]}"
quorvane_build --tests
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${QUORVANE_BUILD_DIR:-build}" --output-on-failure --no-tests=error -j"$(nproc)"
