#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The reliability checks that CI runs after ./test.sh, each in a build dir of
# its own:
#   sanitize  every test built with AddressSanitizer and UndefinedBehaviorSanitizer
#             (g++), failing on any report, LeakSanitizer included;
#   fuzz      the libFuzzer targets of fuzz/ (clang), each for a bounded time
#             (QUORVANE_FUZZ_SECONDS, 60 by default), failing on a crash, a hang,
#             a sanitizer report or a broken property.
# With no argument, both. Installs what it needs (the test packages of
# scripts/setup.sh, clang, libclang-rt-14-dev).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

run_sanitize() {
    local dir=build-sanitize
    quorvane_install "${quorvane_packages[@]}" "${quorvane_test_packages[@]}"
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ -DQUORVANE_SANITIZE=ON
    fi
    cmake --build "$dir" -j"$(nproc)"
    # Any report ends the test program with a non-zero status, so ctest fails.
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
    QT_QPA_PLATFORM=offscreen \
        ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
}

run_fuzz() {
    local dir=build-fuzz seconds=${QUORVANE_FUZZ_SECONDS:-60}
    quorvane_install "${quorvane_packages[@]}" "${quorvane_test_packages[@]}" clang libclang-rt-14-dev
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
            -DQUORVANE_FUZZ=ON -DBUILD_TESTING=OFF
    fi
    cmake --build "$dir" -j"$(nproc)" --target fuzzers
    local target corpus work
    for target in fuzz_lenient:text fuzz_strict:text fuzz_display:double fuzz_operators:values fuzz_loop:values; do
        corpus=${target#*:}
        target=${target%%:*}
        # New inputs go to a scratch corpus; the seeds in the repository stay as they are.
        work="$dir/corpus/$target"
        mkdir -p "$work" "$dir/findings"
        echo "== $target for ${seconds}s"
        # The fuzzer's own status decides; its log is filtered afterwards.
        local status=0 log="$dir/findings/$target.log"
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            "$dir/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
            -print_final_stats=1 -artifact_prefix="$dir/findings/$target-" "$work" "fuzz/corpus/$corpus" \
            >"$log" 2>&1 || status=$?
        grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ *DONE|==[0-9]+==|SUMMARY|broken property|  )' "$log" || true
        [ "$status" -eq 0 ] || { echo "$target found a fault (status $status): see $log and $dir/findings" >&2; return 1; }
    done
}

case "${1:-all}" in
    sanitize) run_sanitize ;;
    fuzz) run_fuzz ;;
    all) run_sanitize; run_fuzz ;;
    *) echo "usage: $0 [sanitize|fuzz|all]" >&2; exit 2 ;;
esac
