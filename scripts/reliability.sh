#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The reliability checks that CI runs after ./test.sh, each in a build dir of
# its own:
#   sanitize  every test built with AddressSanitizer and UndefinedBehaviorSanitizer
#             (g++), failing on any report, LeakSanitizer included;
#   fuzz      the libFuzzer targets of fuzz/ (clang), each for a bounded time
#             (QUORVANE_FUZZ_SECONDS, 60 by default; CI gives 30), as many at
#             once as there are cores, failing on a crash, a hang, a sanitizer
#             report or a broken property.
# With no argument, both. Installs what it needs (the test packages of
# scripts/setup.sh, clang, libclang-rt-14-dev).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

run_sanitize() {
    local dir=build-sanitize
    quorvane_install "${quorvane_packages[@]}" "${quorvane_test_packages[@]}"
    # Without the developer tools, which no test runs. With the sanitizers,
    # -Og -g1 (line tables only: all a report's stack needs) compiles a test
    # program in a quarter of the CPU time of -O2 -g, and the tests run about
    # as fast as with -O1 (the monkey test's 30,000 actions in 121 s, against
    # 145 s with -O1 on the same busy cores).
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-Og -g1" \
            -DCMAKE_CXX_COMPILER=g++ -DQUORVANE_SANITIZE=ON -DQUORVANE_BUILD_TOOLS=OFF
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
    # Each target in the background, as many at once as there are cores: the
    # time is the wall clock's, so two at once take half as long.
    local target corpus work jobs pids=() names=() i status failed=0
    jobs=$(nproc)
    mkdir -p "$dir/findings"
    for target in fuzz_lenient:text fuzz_strict:text fuzz_display:double fuzz_operators:values fuzz_loop:values; do
        corpus=${target#*:}
        target=${target%%:*}
        # New inputs go to a scratch corpus; the seeds in the repository stay as they are.
        work="$dir/corpus/$target"
        mkdir -p "$work"
        echo "== $target for ${seconds}s"
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            "$dir/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
            -print_final_stats=1 -artifact_prefix="$dir/findings/$target-" "$work" "fuzz/corpus/$corpus" \
            >"$dir/findings/$target.log" 2>&1 &
        pids+=($!)
        names+=("$target")
        if [ "${#pids[@]}" -ge "$jobs" ] || [ "$target" = fuzz_loop ]; then
            # The fuzzers' own statuses decide; their logs are filtered afterwards.
            for i in "${!pids[@]}"; do
                status=0
                wait "${pids[$i]}" || status=$?
                echo "== ${names[$i]}"
                grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ *DONE|==[0-9]+==|SUMMARY|broken property|  )' \
                    "$dir/findings/${names[$i]}.log" || true
                if [ "$status" -ne 0 ]; then
                    echo "${names[$i]} found a fault (status $status): see $dir/findings/${names[$i]}.log" >&2
                    failed=1
                fi
            done
            pids=()
            names=()
        fi
    done
    return "$failed"
}

case "${1:-all}" in
    sanitize) run_sanitize ;;
    fuzz) run_fuzz ;;
    all) run_sanitize; run_fuzz ;;
    *) echo "usage: $0 [sanitize|fuzz|all]" >&2; exit 2 ;;
esac
