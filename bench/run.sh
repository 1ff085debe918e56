#!/usr/bin/env bash
# make bench: the core's report builders, velnorix-cli against the field, the
# window; then the four goals, each with its measured figures, met or not.
#
# usage: bench/run.sh [build folder]   (default build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

echo "== The core's report builders and readers (Google Benchmark)"
"$build/bench/core_bench" --benchmark_out="$results/core.csv" --benchmark_out_format=csv
echo
echo "== velnorix-cli against cat, ipcalc-ng and sipcalc: 10.0.0.0/8 in 65,536 blocks of /24"
bench/compare.sh "$build/velnorix-cli" | tee "$results/compare.txt"
echo
echo "== The window"
"$build/bench/window_bench" | tee "$results/window.txt"

# Goal 4 from the benchmark's counter: the allocations of one subnet report,
# the same for every group count when no line reaches the heap.
goal4() {
    awk -F, '
        /^name,/ { for (i = 1; i <= NF; ++i) { gsub(/"/, "", $i); column[$i] = i }; next }
        column["name"] && /SubnetReportPerGroup/ {
            name = $1; gsub(/"|.*\//, "", name)
            count = $column["allocs_per_report"]; counts = counts sep name " groups " count; sep = ", "
            if (least == "" || count < least) least = count
            if (count > most) most = count
        }
        END {
            printf "goal 4: heap allocations per subnet report: %s; per line %s: %s\n", counts,
                most == least ? "0" : "more than 0", most == least ? "met" : "NOT met"
        }' "$results/core.csv"
}

echo
echo "== Goals, on $(lscpu | sed -n 's/^Model name: *//p') with $(nproc) cores"
grep '^goal 1' "$results/compare.txt"
grep '^goal [23]' "$results/window.txt"
goal4
