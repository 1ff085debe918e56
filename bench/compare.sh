#!/usr/bin/env bash
# Times velnorix-cli's largest subnet report against ipcalc-ng and sipcalc
# splitting the same block, and against cat copying the report's bytes from a
# file, all to /dev/null. The commands take turns round after round, so that
# a busy machine slows them alike; each time is the median of its rounds, and
# peak memory comes from one more run of each under /usr/bin/time -v.
#
# usage: bench/compare.sh [velnorix-cli] [rounds]   (default build/velnorix-cli, 21)
# Prints one table: median, ratio to cat, ratio to velnorix-cli, peak memory.
set -euo pipefail
cd "$(dirname "$0")/.."

cli=${1:-build/velnorix-cli}
rounds=${2:-21}

# The comparison tools and GNU time, from Debian, when missing.
missing=()
for package in ipcalc-ng sipcalc time; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages; install them with: sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    apt-get -o DPkg::Lock::Timeout=600 install -y -qq "${missing[@]}" >/dev/null
fi

report=$(mktemp)
trap 'rm -f "$report"' EXIT
"$cli" subnet --segments=65536 --begin-bits=8 --begin-address=10.0.0.0 >"$report"

names=(velnorix-cli cat ipcalc-ng sipcalc)
commands=(
    "$cli subnet --segments=65536 --begin-bits=8 --begin-address=10.0.0.0"
    "cat $report"
    "ipcalc-ng -S 24 10.0.0.0/8"
    "sipcalc -s 24 10.0.0.0/8"
)

# Microseconds of wall time of one run, output to /dev/null.
run_time() {
    local start=$EPOCHREALTIME
    $1 >/dev/null
    local end=$EPOCHREALTIME
    echo $((${end/./} - ${start/./}))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

declare -A times
for command in "${commands[@]}"; do $command >/dev/null; done # warm the page cache
for ((round = 0; round < rounds; ++round)); do
    for i in "${!commands[@]}"; do
        times[$i]+="$(run_time "${commands[$i]}") "
    done
done

medians=()
for i in "${!commands[@]}"; do
    medians[$i]=$(tr ' ' '\n' <<<"${times[$i]}" | grep . | median)
done

peak_kb() {
    /usr/bin/time -v $1 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'
}

printf '%-14s %10s %9s %9s %8s %10s\n' command median/ms "x cat" "x cli" bytes/MB "peak/MiB"
for i in "${!commands[@]}"; do
    peaks[$i]=$(peak_kb "${commands[$i]}")
    bytes=$(${commands[$i]} | wc -c)
    awk -v name="${names[$i]}" -v t="${medians[$i]}" -v cat="${medians[1]}" -v cli="${medians[0]}" \
        -v bytes="$bytes" -v peak="${peaks[$i]}" \
        'BEGIN { printf "%-14s %10.2f %9.2f %9.2f %8.2f %10.1f\n", name, t / 1000, t / cat, t / cli, bytes / 1e6, peak / 1024 }'
done
echo "($rounds interleaved rounds, median wall time of each command)"

awk -v cli="${medians[0]}" -v cat="${medians[1]}" -v ipcalc="${medians[2]}" -v sipcalc="${medians[3]}" \
    -v peak="${peaks[0]}" 'BEGIN {
    met = cli / cat <= 1.5 && cli < ipcalc && cli < sipcalc && peak / 1024 < 8
    printf "goal 1: velnorix-cli %.2f x cat (<= 1.5), %.2f x ipcalc-ng and %.2f x sipcalc (< 1), peak %.1f MiB (< 8): %s\n",
        cli / cat, cli / ipcalc, cli / sipcalc, peak / 1024, met ? "met" : "NOT met" }'
