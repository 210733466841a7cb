#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The performance benchmark, in one command: installs what it needs, builds in
# its own directory (build-bench, or $QUORVANE_BENCH_DIR) and measures on an X
# server. Without DISPLAY it starts its own Xvfb (-noreset) and stops it after.
#   bench/run.sh            # nine rounds
#   RUNS=21 bench/run.sh    # more rounds
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
quorvane_install "${quorvane_packages[@]}" xvfb libx11-dev libxcb1-dev

dir=${QUORVANE_BENCH_DIR:-build-bench}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DQUORVANE_BUILD_BENCH=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target quorvane quorvane_minimal quorvane_startbench quorvane_inbench

xvfb_pid=
stop_xvfb() { [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true; }
trap stop_xvfb EXIT
if [ -z "${DISPLAY:-}" ]; then
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -noreset -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
    export DISPLAY=":$n"
fi
export QT_QPA_PLATFORM=xcb
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "X server: Xvfb $(dpkg-query -W -f='${Version}' xvfb 2>/dev/null) on DISPLAY=$DISPLAY, 1280x1024x24 (no window manager)"
echo "Qt: $(dpkg-query -W -f='${Version}' libqt6widgets6 2>/dev/null || echo unknown)"
echo

programs=("minimal=$dir/bench/quorvane_minimal" "quorvane=$dir/app/quorvane"
          "minimal-622x553=$dir/bench/quorvane_minimal --size 622x553")
# bench/compare.sh adds an earlier build of the calculator beside this one.
[ -z "${QUORVANE_BENCH_EXTRA:-}" ] || programs+=("$QUORVANE_BENCH_EXTRA")
command -v speedcrunch >/dev/null && programs+=("speedcrunch=$(command -v speedcrunch)")
command -v galculator >/dev/null && programs+=("galculator=$(command -v galculator)")

echo "Start-up to the main window mapped, and peak resident memory (median of ${RUNS:-9} alternating runs; ratios to minimal)"
"$dir/bench/quorvane_startbench" --runs "${RUNS:-9}" "${programs[@]}"

# Instructions are steadier than times on a busy machine: with valgrind
# installed (the benchmark does not install it), each program runs once under
# callgrind until it has mapped its window and had 3 s to paint and settle.
if command -v valgrind >/dev/null && command -v callgrind_annotate >/dev/null; then
    echo
    echo "Instructions from start to the window painted and idle (callgrind, one run each)"
    out=$(mktemp -d)
    grind=()
    for p in "${programs[@]}"; do
        grind+=("${p%%=*}=valgrind --tool=callgrind --callgrind-out-file=$out/${p%%=*}.out ${p#*=}")
    done
    "$dir/bench/quorvane_startbench" --runs 1 --settle 3000 "${grind[@]}" >/dev/null 2>&1 || true
    for p in "${programs[@]}"; do
        name=${p%%=*}
        total=$(callgrind_annotate "$out/$name.out" 2>/dev/null | awk '/PROGRAM TOTALS/ {print $1}')
        printf '%-16s %16s\n' "$name" "${total:-?}"
    done
    rm -rf "$out"
fi
echo
"$dir/bench/quorvane_inbench"
if [ -n "${QUORVANE_INBENCH_EXTRA:-}" ]; then
    echo
    echo "The same inside the earlier build:"
    "$QUORVANE_INBENCH_EXTRA"
fi
