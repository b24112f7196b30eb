#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tests/fuzz/run.sh [SECONDS] [TARGET...]
# Builds the libFuzzer targets with clang in their own folder (build-fuzz/, or TARVIK_FUZZ_BUILD_DIR)
# and runs each TARGET (default: all of them: unit_file answers cli_arguments report_descriptor)
# for SECONDS (default 60) from its committed seeds in tests/fuzz/corpus/TARGET. New inputs the
# fuzzer finds go to build-fuzz/corpus/TARGET (copy the interesting ones into the seeds). On a crash,
# a sanitizer report or a broken promise, the report and the input (hex and base64) are printed,
# the input is kept in build-fuzz/artifacts/, and the script fails.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then targets=(unit_file answers cli_arguments report_descriptor); fi
build=${TARVIK_FUZZ_BUILD_DIR:-build-fuzz}

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVIK_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
mkdir -p "$build/artifacts"
failed=0
for t in "${targets[@]}"; do
    mkdir -p "$build/corpus/$t"
    rm -f "$build/artifacts/$t-"*
    log="$build/fuzz-$t.log"
    echo "== fuzz_$t: $seconds s =="
    if "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$t-" "$build/corpus/$t" "tests/fuzz/corpus/$t" >"$log" 2>&1; then
        grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || tail -n 3 "$log"
        continue
    fi
    failed=1
    echo "fuzz_$t FAILED; the end of its log:"
    tail -n 60 "$log"
    for input in "$build/artifacts/$t-"*; do
        [ -e "$input" ] || continue
        echo "-- failing input $input ($(stat -c %s "$input") bytes):"
        od -A x -t x1z -v "$input" | head -n 64
        echo "base64: $(base64 -w0 "$input")"
    done
done
exit $failed
