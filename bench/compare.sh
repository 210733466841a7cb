#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures an earlier revision beside the working tree, in one run, so that a
# change's effect on start-up and on a Calculate press shows in the same
# conditions:  bench/compare.sh REV   (for example: bench/compare.sh HEAD~3)
# The earlier revision is checked out into build-bench-before/src and built
# there; start-up runs alternate between the two calculators.
set -euo pipefail
cd "$(dirname "$0")/.."
rev=${1:?usage: bench/compare.sh REVISION}
before=build-bench-before
rm -rf "$before/src"
mkdir -p "$before"
git worktree prune
git worktree add --detach "$before/src" "$rev" >/dev/null
trap 'git worktree remove --force "$before/src"' EXIT
# Either revision's option names: BUILD_TESTING now, QUORVANE_BUILD_TESTS earlier.
cmake -S "$before/src" -B "$before/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DQUORVANE_BUILD_TESTS=OFF -DQUORVANE_BUILD_BENCH=ON -Wno-dev >/dev/null 2>&1
cmake --build "$before/build" -j"$(nproc)" --target quorvane quorvane_inbench >/dev/null
QUORVANE_BENCH_EXTRA="before=$before/build/app/quorvane" \
QUORVANE_INBENCH_EXTRA="$before/build/bench/quorvane_inbench" bench/run.sh
