#!/usr/bin/env bash
# Runs every fuzz target in turn for a set time each:
#   fuzz/run.sh BUILD_DIR SECONDS
# Each starts from its seed corpus (fuzz/corpus/NAME, never written to) and the
# inputs it found in earlier runs (BUILD_DIR/corpus/NAME). A crash or a broken
# invariant stops the run; the input is kept as BUILD_DIR/crash-NAME-*.
# Statistics go to BUILD_DIR/logs/NAME.log.
set -euo pipefail
build=${1:?build folder}
seconds=${2:?seconds per target}
seeds=$(dirname "$0")/corpus

mkdir -p "$build/logs"
for seed in "$seeds"/*/; do
    name=$(basename "$seed")
    mkdir -p "$build/corpus/$name"
    echo "fuzz_$name: $seconds s"
    if ! "$build/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=4096 \
            -artifact_prefix="$build/crash-$name-" "$build/corpus/$name" "$seed" >"$build/logs/$name.log" 2>&1; then
        tail -n 40 "$build/logs/$name.log" >&2
        echo "fuzz_$name failed; the input is in $build/crash-$name-*" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$build/logs/$name.log" || true
done
