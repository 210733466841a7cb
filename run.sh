#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up what is missing, builds, and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
quorvane_install "${quorvane_packages[@]}"
quorvane_build quorvane
# The program itself says when there is no display (status 2), after reading
# its options: ./run.sh -platform offscreen, ./run.sh --help.
exec "${QUORVANE_BUILD_DIR:-build}/app/quorvane" "$@"
