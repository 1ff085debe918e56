#!/usr/bin/env bash
# Times velnorix-cli's largest subnet report against ipcalc-ng and sipcalc
# splitting the same block, and against cat copying the report's bytes from a
# file, all to /dev/null. The commands take turns round after round, so that
# a busy machine slows them alike; each time is the median of its rounds, and
# peak memory comes from one more run of each under /usr/bin/time -v.
#
# usage: bench/compare.sh [velnorix-cli] [rounds]   (default build/velnorix-cli, 21)
# Prints one table: wall time and its ratios to cat and to velnorix-cli,
# processor time and its ratio to cat, bytes written, peak memory.
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

# One run, output to /dev/null: microseconds of wall time, then milliseconds
# of processor time (user and system). Run in a subshell, whose `times` then
# counts this one command as its children's time; it is whole milliseconds,
# so only its mean over the rounds is used. On a busy machine the processor
# time still says what a command costs when its wall time says more.
run_time() {
    (
        start=$EPOCHREALTIME
        $1 >/dev/null
        end=$EPOCHREALTIME
        echo $((${end/./} - ${start/./}))
        times
    ) | awk 'NR == 1 { wall = $1 }
             NR == 3 { split($1 $2, t, /[ms]/); cpu = (t[1] * 60 + t[2] + t[3] * 60 + t[4]) * 1000 }
             END { print wall, cpu }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

mean() {
    awk '{ sum += $1 } END { print sum / NR }'
}

declare -A walls cpus
for command in "${commands[@]}"; do $command >/dev/null; done # warm the page cache
for ((round = 0; round < rounds; ++round)); do
    for i in "${!commands[@]}"; do
        read -r wall cpu < <(run_time "${commands[$i]}")
        walls[$i]+="$wall "
        cpus[$i]+="$cpu "
    done
done

medians=() cpu_means=()
for i in "${!commands[@]}"; do
    medians[$i]=$(tr ' ' '\n' <<<"${walls[$i]}" | grep . | median)
    cpu_means[$i]=$(tr ' ' '\n' <<<"${cpus[$i]}" | grep . | mean)
done

peak_kb() {
    /usr/bin/time -v $1 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'
}

printf '%-14s %10s %7s %7s %11s %7s %8s %9s\n' command "wall/ms" "x cat" "x cli" "cpu/ms" "x cat" "bytes/MB" "peak/MiB"
for i in "${!commands[@]}"; do
    peaks[$i]=$(peak_kb "${commands[$i]}")
    bytes=$(${commands[$i]} | wc -c)
    awk -v name="${names[$i]}" -v t="${medians[$i]}" -v cat="${medians[1]}" -v cli="${medians[0]}" \
        -v cpu="${cpu_means[$i]}" -v cpucat="${cpu_means[1]}" -v bytes="$bytes" -v peak="${peaks[$i]}" \
        'BEGIN { printf "%-14s %10.2f %7.2f %7.2f %11.2f %7.2f %8.2f %9.1f\n", name, t / 1000, t / cat, t / cli,
                 cpu, cpu / cpucat, bytes / 1e6, peak / 1024 }'
done
echo "($rounds interleaved rounds: median wall time, mean processor time; load average $(cut -d' ' -f1-3 /proc/loadavg))"

# Met only when the processor time agrees: on a busy machine every command
# waits, and the wall times draw closer together than they would alone.
awk -v cli="${medians[0]}" -v cat="${medians[1]}" -v ipcalc="${medians[2]}" -v sipcalc="${medians[3]}" \
    -v cpucli="${cpu_means[0]}" -v cpucat="${cpu_means[1]}" -v peak="${peaks[0]}" 'BEGIN {
    met = cli / cat <= 1.5 && cpucli / cpucat <= 1.5 && cli < ipcalc && cli < sipcalc && peak / 1024 < 8
    printf "goal 1: velnorix-cli %.2f x cat in wall time and %.2f in processor time (<= 1.5), " \
           "%.2f x ipcalc-ng and %.2f x sipcalc (< 1), peak %.1f MiB (< 8): %s\n",
        cli / cat, cpucli / cpucat, cli / ipcalc, cli / sipcalc, peak / 1024, met ? "met" : "NOT met" }'
